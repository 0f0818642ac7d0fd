// The library's data service against the reference host on SQLite: reads, statement
// lists, the clock and the small calls, each with its failure.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "data/Dataset.h"
#include "refhost/HostServiceData.h"
#include "refhost/HostServiceTexts.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/SqliteDriver.h"

namespace refhost {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;
using test::ErrorTexts;

std::vector<std::string> Column(data::Dataset& dataset, const char* field) {
  std::vector<std::string> values;
  for (dataset.First(); !dataset.Eof(); dataset.Next())
    values.push_back(dataset.FieldByName(field).AsString());
  return values;
}

using HostServiceCallsTest = test::HostServiceTest;

TEST_F(HostServiceCallsTest, SelectArrivesAsPacketAndAsRecordsetWithTheSameRows) {
  // left( is rewritten for SQLite also when nested, never inside a literal.
  const std::string sql =
      "Select f_Csbm, f_Csmc, Left(Left(f_Dh, 4), 3) f_qh, 'left(x, 1)' f_lit From tbCsda Order By f_Csbm";
  data::Dataset packet, recordset(data::DatasetRole::AdoDataSet);
  auto service = Service();
  ASSERT_TRUE(service.OpenDataset(sql, packet));
  ASSERT_TRUE(service.OpenAdoDataset(sql, recordset));
  for (data::Dataset* dataset : {&packet, &recordset}) {
    EXPECT_THAT(Column(*dataset, "f_Csmc"), ElementsAre("甲供应商", "O'Brien"));
    EXPECT_THAT(Column(*dataset, "f_qh"), ElementsAre("057", "057"));
    EXPECT_THAT(Column(*dataset, "f_lit"), ElementsAre("left(x, 1)", "left(x, 1)"));
  }
}

TEST_F(HostServiceCallsTest, EmptyResultKeepsItsFields) {
  data::Dataset dataset;
  ASSERT_TRUE(Service().OpenDataset("select f_Clxmbm, f_sfbz from tbTdclxmda where 1 = 0", dataset));
  EXPECT_EQ(dataset.RecordCount(), 0);
  EXPECT_NE(dataset.FindField("f_sfbz"), nullptr);
}

TEST_F(HostServiceCallsTest, RefusedSelectReturnsChineseHeadingAndTheDatabaseMessage) {
  data::Dataset dataset;
  base::Variant recordset;
  auto service = Service();
  for (const host::HostResult& result :
       {service.OpenDataset("select * from tbNoSuchTable", dataset),
        service.OpenRecordset("select * from tbNoSuchTable", recordset)}) {
    ASSERT_FALSE(result);
    const auto texts = ErrorTexts(result);
    ASSERT_THAT(texts, SizeIs(::testing::Ge(2u)));
    EXPECT_THAT(texts[0], HasSubstr("查询语句执行失败"));
    EXPECT_THAT(texts[0], HasSubstr("tbNoSuchTable"));
    EXPECT_THAT(texts[1], HasSubstr("no such table"));
  }
}

TEST_F(HostServiceCallsTest, ReadCallsChangeNothing) {
  data::Dataset dataset;
  const host::HostResult result = Service().OpenDataset("delete from tbZffs", dataset);
  ASSERT_FALSE(result);
  EXPECT_THAT(ErrorTexts(result), ElementsAre("语句没有返回数据集，未执行：delete from tbZffs"));
  EXPECT_EQ(Count("tbZffs"), 2);
}

TEST_F(HostServiceCallsTest, StatementListsRunInOrderAllOrNothing) {
  auto service = Service();
  ASSERT_TRUE(service.Execute({"insert into tbZffs (f_Zffsbm, f_Zffsmc) values ('03', 'a;b')",
                               "update tbZffs set f_Zffsmc = f_Zffsmc || '!' where f_Zffsbm = '03'"}));
  ASSERT_TRUE(service.ExecuteText(
      "insert into tbZffs (f_Zffsbm, f_Zffsmc) values ('04', 'x;''y');  ;"
      "delete from tbZffs where f_Zffsbm = '01';"));
  EXPECT_EQ(Db().Query("select f_Zffsmc from tbZffs where f_Zffsbm = '03'").rows[0][0].ToText(), "a;b!");
  EXPECT_EQ(Db().Query("select f_Zffsmc from tbZffs where f_Zffsbm = '04'").rows[0][0].ToText(), "x;'y");
  EXPECT_EQ(Count("tbZffs"), 3);

  // The second statement is refused: the first one is undone with it.
  const host::HostResult refused = service.Execute(
      {"delete from tbZffs", "insert into tbNoSuchTable values (1)", "delete from tbCsda"});
  ASSERT_FALSE(refused);
  EXPECT_EQ(Count("tbZffs"), 3);
  EXPECT_EQ(Count("tbCsda"), 2);
  const auto texts = ErrorTexts(refused);
  EXPECT_THAT(texts[0], HasSubstr("第2条语句执行失败，本次所有语句均未生效"));
  EXPECT_THAT(texts.back(), HasSubstr("no such table"));
}

TEST_F(HostServiceCallsTest, ClockComesFromTheConfiguredDateOrTheSystemParameters) {
  struct Case {
    std::string configured, yearMonth, date;
  };
  for (const Case& c : {Case{"20061201", "200612", "20061201"}, Case{"", "200503", "20050315"}}) {
    SCOPED_TRACE(c.configured);
    auto service = Service(c.configured);
    std::string yearMonth, date;
    base::Variant now;
    ASSERT_TRUE(service.CurrentYearMonth(yearMonth));
    ASSERT_TRUE(service.CurrentDate(date));
    ASSERT_TRUE(service.CurrentDateTime(now));
    EXPECT_EQ(yearMonth, c.yearMonth);
    EXPECT_EQ(date, c.date);
    EXPECT_EQ(now.GetType(), base::Variant::Type::Date);
  }
  EXPECT_THROW(Service("20061301"), std::invalid_argument);
}

TEST_F(HostServiceCallsTest, OperatorParametersCodingAndDatabaseType) {
  auto service = Service();
  data::Dataset op, parameters;
  ASSERT_TRUE(service.OperatorRecord("0001", op));
  EXPECT_EQ(op.FieldByName("f_zymc").AsString(), "张三");
  ASSERT_TRUE(service.SystemParameters(parameters));
  ASSERT_NE(parameters.FindField("f_Csmc"), nullptr);
  EXPECT_THAT(Column(parameters, "f_csz"), ElementsAre("200612", "20061201"));
  std::string coding;
  ASSERT_TRUE(service.SupplierCoding(coding));
  EXPECT_EQ(coding, "224");
  EXPECT_EQ(service.DatabaseType(), "DB2");  // joins with ||, as SQLite does

  const host::HostResult unknown = service.OperatorRecord("9'9", op);
  ASSERT_FALSE(unknown);
  EXPECT_THAT(ErrorTexts(unknown), ElementsAre("操作员9'9不存在"));
  Db().Execute("delete from tbBmjg");
  const host::HostResult noCoding = service.SupplierCoding(coding);
  ASSERT_FALSE(noCoding);
  EXPECT_THAT(ErrorTexts(noCoding), ElementsAre("没有定义编码结构（类型3）"));
}

TEST_F(HostServiceCallsTest, HostOwnsAConnectionMadeFromItsString) {
  host::HostDataService service(std::make_shared<HostService>(SqliteConnectionString(dir_.File("test.db"))));
  std::string yearMonth;
  ASSERT_TRUE(service.CurrentYearMonth(yearMonth));
  EXPECT_EQ(yearMonth, "200503");
  EXPECT_THROW(HostService("DRIVER={No Such Driver};Database=x"), DbError);
}

TEST_F(HostServiceCallsTest, MalformedCallsThrowInsteadOfAnswering) {
  HostService host(Db(), HostOptions{test::kHostToday});
  std::vector<host::HostArg> none;
  EXPECT_THROW(host.Invoke(0x999, none), std::invalid_argument);
  EXPECT_THROW(host.Invoke(0x4, none), std::invalid_argument);
}

}  // namespace
}  // namespace refhost
