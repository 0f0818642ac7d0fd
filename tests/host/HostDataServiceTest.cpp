#include "host/HostDataService.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "data/MemoryRecordset.h"
#include "data/packet/PacketDataset.h"

namespace {

using base::Variant;
using host::HostArg;

// A host whose answers the test writes per dispatch id, recording every call.
class ScriptedHost : public host::HostDispatch {
 public:
  using Answer = std::function<Variant(std::span<HostArg>)>;
  std::map<std::int32_t, Answer> answers;
  std::vector<std::pair<std::int32_t, std::vector<HostArg>>> calls;

  Variant Invoke(std::int32_t dispid, std::span<HostArg> args) override {
    calls.emplace_back(dispid, std::vector<HostArg>(args.begin(), args.end()));
    return answers.at(dispid)(args);
  }
};

Variant Errors(std::initializer_list<const char*> texts) {
  std::vector<Variant> items(texts.begin(), texts.end());
  return Variant::ArrayOf(std::move(items));
}

Variant SupplierPacket() {
  data::Dataset ds;
  ds.AddField("f_Gysbm", data::FieldType::String, 20);
  ds.AddField("f_Gysmc", data::FieldType::String, 40);
  ds.CreateDataSet();
  ds.Append();
  ds.FieldByName("f_Gysbm").SetAsString("0101");
  ds.FieldByName("f_Gysmc").SetAsString("华联");
  ds.Post();
  return data::DataOf(ds);
}

class HostDataServiceTest : public testing::Test {
 protected:
  std::shared_ptr<ScriptedHost> host_ = std::make_shared<ScriptedHost>();
  host::HostDataService service_{host_};
};

TEST_F(HostDataServiceTest, ASelectArrivesAsAPacketLoadedIntoTheDataset) {
  host_->answers[host::dispid::OpenPacket] = [](std::span<HostArg> args) {
    EXPECT_EQ(args[0].value.ToText(), "select * from tbGys where f_Gysmc = 'O''Neil'");
    EXPECT_FALSE(args[0].byRef);
    EXPECT_TRUE(args[1].byRef);
    args[1].value = SupplierPacket();
    return Variant(true);
  };
  data::Dataset ds;
  ASSERT_TRUE(service_.OpenDataset("select * from tbGys where f_Gysmc = 'O''Neil'", ds));
  ASSERT_EQ(ds.RecordCount(), 1);
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "华联");
}

TEST_F(HostDataServiceTest, AFalseAnswerCarriesTheHostsErrorsAndLeavesTheDataset) {
  host_->answers[host::dispid::OpenPacket] = [](std::span<HostArg> args) {
    args[1].value = Errors({"执行SQL语句失败", "对象名 'tbGys' 无效。"});
    return Variant(false);
  };
  data::Dataset ds;
  ds.AddField("f_X", data::FieldType::Integer);
  ds.CreateDataSet();
  const host::HostResult result = service_.OpenDataset("select 1", ds);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.errors, Errors({"执行SQL语句失败", "对象名 'tbGys' 无效。"}));
  EXPECT_EQ(ds.FieldCount(), 1);
}

TEST_F(HostDataServiceTest, StatementsGoAsOneArrayFromBoundZero) {
  host_->answers[host::dispid::Execute] = [](std::span<HostArg>) { return Variant(true); };
  ASSERT_TRUE(service_.Execute({"delete from tbTdxmdz", "insert into tbTdxmdz values ('001')"}));
  const HostArg& list = host_->calls.at(0).second.at(0);
  EXPECT_TRUE(list.byRef);
  EXPECT_EQ(list.value, Errors({"delete from tbTdxmdz", "insert into tbTdxmdz values ('001')"}));
}

TEST_F(HostDataServiceTest, ARecordsetOpensAnAdoDataset) {
  host_->answers[host::dispid::OpenRecordset] = [](std::span<HostArg> args) {
    args[1].value = Variant(std::shared_ptr<base::VariantObject>(
        std::make_shared<data::MemoryRecordset>(
            std::vector<data::RecordsetField>{{"f_Tdbm", data::adVarChar, 20}},
            std::vector<std::vector<Variant>>{{Variant("T01")}, {Variant("T02")}})));
    return Variant(true);
  };
  data::Dataset ds(data::DatasetRole::AdoDataSet);
  ASSERT_TRUE(service_.OpenAdoDataset("select f_Tdbm from tbTdda", ds));
  EXPECT_EQ(ds.RecordCount(), 2);
}

TEST_F(HostDataServiceTest, ScalarCallsReadTheirTextBack) {
  host_->answers[host::dispid::Date] = [](std::span<HostArg> args) {
    args[0].value = Variant("20261211 09:30:00");
    return Variant(true);
  };
  host_->answers[host::dispid::CodingRule] = [](std::span<HostArg> args) {
    EXPECT_EQ(args[0].value.ToInt(), 3);
    EXPECT_EQ(args[1].value.ToInt(), 0);
    args[2].value = Variant("22");
    return Variant(true);
  };
  host_->answers[host::dispid::DatabaseType] = [](std::span<HostArg>) { return Variant("DB2"); };
  std::string date, coding;
  ASSERT_TRUE(service_.CurrentDate(date));
  EXPECT_EQ(date, "20261211");
  ASSERT_TRUE(service_.SupplierCoding(coding));
  EXPECT_EQ(coding, "22");
  EXPECT_EQ(service_.DatabaseType(), "DB2");
}

TEST_F(HostDataServiceTest, TheImportCheckWritesBothArgumentsBack) {
  host_->answers[host::dispid::CheckImport] = [](std::span<HostArg> args) {
    EXPECT_EQ(args[0].value.ToInt(), 7);
    args[1].value = Variant("header");
    args[2].value = Variant("detail");
    return Variant(true);
  };
  Variant data("lines"), data2;
  ASSERT_TRUE(service_.CheckImport(data, data2));
  EXPECT_EQ(data.ToText(), "header");
  EXPECT_EQ(data2.ToText(), "detail");
}

}  // namespace
