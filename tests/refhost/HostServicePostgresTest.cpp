// The host data service's calls on a throwaway PostgreSQL server: the same statements
// and stores as on SQLite, with the server's own messages for a refused statement.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "data/Dataset.h"
#include "data/packet/PacketCodec.h"
#include "data/packet/PacketField.h"
#include "refhost/HostServiceData.h"
#include "refhost/HostServiceTexts.h"
#include "refhost/PostgresSuite.h"

namespace refhost {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using test::ErrorTexts;
using PF = data::PacketField;

class HostServicePostgresTest : public test::PostgresSuite<&test::FillHostServiceData> {
 protected:
  int Count(const std::string& table) { return test::CountOf(*postgres_, "select count(*) from " + table); }
};

TEST_F(HostServicePostgresTest, ReadsAndStatementListsAnswerAsOnSqlite) {
  auto service = test::ServiceFor(*postgres_);
  data::Dataset dataset;
  ASSERT_TRUE(service.OpenDataset(
      "Select f_Csbm, Left(Left(f_Dh, 4), 3) f_qh, f_Csmc || '!' f_mc From tbCsda Order By f_Csbm", dataset));
  EXPECT_EQ(dataset.RecordCount(), 2);
  EXPECT_EQ(dataset.FieldByName("f_qh").AsString(), "057");
  EXPECT_EQ(dataset.FieldByName("f_mc").AsString(), "甲供应商!");
  EXPECT_EQ(service.DatabaseType(), "DB2");

  const host::HostResult refused =
      service.Execute({"delete from tbZffs", "insert into tbNoSuchTable values (1)"});
  ASSERT_FALSE(refused);
  EXPECT_EQ(Count("tbZffs"), 2);
  const auto texts = ErrorTexts(refused);
  EXPECT_THAT(texts.at(0), HasSubstr("第2条语句执行失败"));
  EXPECT_THAT(texts.back(), HasSubstr("tbnosuchtable"));
}

TEST_F(HostServicePostgresTest, StoresNumberLogAndMarkTheirSource) {
  auto service = test::ServiceFor(*postgres_);
  data::Packet lines({PF::Text("f_clxmbm", 20), PF::Text("f_gysbm", 20), PF::Text("f_qsrq", 20),
                      PF::Text("f_jsrq", 20), PF::Float("f_ssje"), PF::Text("f_Fylx", 20),
                      PF::Text("f_hsdwh", 12)});
  const base::Variant line[] = {"1101", "S001", "20061101", "20061130", 450.0, "2", "01"};
  std::copy(std::begin(line), std::end(line), lines.AddRow().begin());
  ASSERT_TRUE(service.StoreApprovalForm(6, data::EncodePacket(lines), "200612\t11\t0"));
  EXPECT_EQ(test::CountOf(*postgres_, "select count(*) from tbTdautoLog where f_Sph = '200612010001' "
                                      "and f_Fylx = '2' and f_Zdrbm = '0001'"),
            1);

  data::Packet voucher({PF::Text("f_gysbm", 20), PF::Float("f_fkje"), PF::Text("f_zffsbm", 20),
                        PF::Text("f_TdDjh", 12), PF::Integer("f_flag"), PF::Text("f_hsdwh", 12)});
  const base::Variant values[] = {"S002", 150.0, "01", "P001", 1, "01"};
  std::copy(std::begin(values), std::end(values), voucher.AddRow().begin());
  ASSERT_TRUE(service.StorePaymentVoucher(2, data::EncodePacket(voucher), {}));
  EXPECT_EQ(test::CountOf(*postgres_, "select count(*) from tbfkjhb where f_spdh = '200612010001'"), 2);
  const host::HostResult again = service.StorePaymentVoucher(2, data::EncodePacket(voucher), {});
  ASSERT_FALSE(again);
  EXPECT_THAT(ErrorTexts(again), ElementsAre("付款计划P001不存在或已生成付款单，付款单未保存"));
  EXPECT_EQ(Count("tbFkd"), 1);
}

}  // namespace
}  // namespace refhost
