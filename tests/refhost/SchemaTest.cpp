#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "refhost/SqliteFixture.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/OdbcApi.h"
#include "refhost/schema/BusinessTables.h"
#include "refhost/schema/SchemaBuilder.h"

namespace refhost {
namespace {

// The tables and columns the screens' statements name; a column marked '#' holds
// amounts or quantities and must be numeric, every other column is text, except those
// marked '=' (numbers the statements compare with numbers).
struct NamedTable {
  const char* table;
  std::vector<const char*> columns;
};

const std::vector<NamedTable> kNamedTables = {
    {"tbCsda", {"f_Csbm", "f_Csmc", "f_Dh", "f_Lxr"}},
    {"tbZffs", {"f_Zffsbm", "f_Zffsmc"}},
    {"tbHsdwda", {"f_Hsdwh", "f_Hsdwmc"}},
    {"tbZbhsdwdz", {"f_Zbbm", "f_Hsdwh", "f_Jsbz"}},
    {"tbzyfghsdw", {"f_zybm", "f_hsdwh"}},
    {"tbbmda", {"f_bmbm", "f_Bmmc", "f_hsdwh"}},
    {"tbspda", {"f_spbm", "f_Spmc"}},
    {"tbTdda", {"f_Tdbm", "f_Tdmc", "f_Czfs"}},
    {"tbTdclxmda", {"f_Tdbm", "f_Clxmbm", "f_Clxmmc", "f_hsdwh", "f_sfbz#", "f_jb=", "f_mj="}},
    {"tbGysfddy", {"f_Fdlx", "f_Fdmc"}},
    {"tbyyda", {"f_yybm", "f_yymc"}},
    {"tbSysMsg", {"f_Csmc", "f_Csz"}},
    {"tbTdxmdz", {"f_Lxbm", "f_Tdbm", "f_Xmbm", "f_Zt", "f_bz", "f_sfsc"}},
    {"tbGysht_zb",
     {"f_gysbm", "f_Hth", "f_htlx", "f_htzt", "f_fdde1#", "f_fdde2#", "f_fdde3#", "f_fdde4#",
      "f_fdde5#", "f_fdde6#"}},
    {"tbTdspzb",
     {"f_Djh", "f_hsdwh", "f_Zdrq", "f_zdrbm", "f_zdrmc", "f_rzrq", "f_fkrq", "f_Gysbm", "f_Tdbm",
      "f_Qsrq", "f_Jsrq", "f_zffsbm", "f_bz", "f_zdrhsdwh", "f_Zt", "f_Fkspdh"}},
    {"tbTdspcb", {"f_hsdwh", "f_Djh", "f_xmbm", "f_ssje#"}},
    {"tbfkjhb",
     {"f_Djh", "f_Zdrq", "f_zdrbm", "f_zdrmc", "f_Gysbm", "f_hsdwh", "f_Spje#", "f_Hkyf", "f_bz",
      "f_Zt=", "f_spdh"}},
    {"tbgysjsxx", {"f_gysbm", "f_zffsbm"}},
    {"tbTdautoLog",
     {"f_hsdwh", "f_Gysbm", "f_Fylx", "f_Qsrq", "f_Jsrq", "f_Zdrq", "f_Zdrbm", "f_Zdrmc", "f_Sph"}},
    {"tb200503_Tjjzb", {"f_bmbm", "f_djh", "f_Gysbm", "f_Tjjlx", "f_Rzrq"}},
    {"tb200503_Tjjcb",
     {"f_bmbm", "f_djh", "f_Dnxh=", "f_Spbm", "f_Tzsl#", "f_Tqje#", "f_Tqsj#", "f_Thje#", "f_Thsj#"}},
    {"tb200503_Gysfl",
     {"f_fdlx", "f_Gysbm", "f_bmbm", "f_Flny", "f_Djh", "f_Dnxh=", "f_Spbm", "f_Gjsl#", "f_Gjje#",
      "f_Gjsj#", "f_Fd#", "f_Fdje#", "f_Fdsj#"}},
    {"tb200503_tdsfb", {"f_hsdwh", "f_sph", "f_skje#"}},
    {"tb200503_Jsyfzk", {"f_gysbm", "f_hsdwh", "f_qcye#", "f_yfje#", "f_fkje#"}},
};

bool IsText(int sqlType) {
  return sqlType == SQL_CHAR || sqlType == SQL_VARCHAR || sqlType == SQL_LONGVARCHAR ||
         sqlType == SQL_WCHAR || sqlType == SQL_WVARCHAR || sqlType == SQL_WLONGVARCHAR;
}

class SchemaTest : public test::SqliteTest {};

TEST_F(SchemaTest, EveryNamedTableHasItsColumnsWithTheirKinds) {
  CreateSchema(Db());
  CreateMonthTables(Db(), "200503");
  for (const NamedTable& named : kNamedTables) {
    SCOPED_TRACE(named.table);
    const ResultSet result = Db().Query(std::string("SELECT * FROM ") + named.table + " WHERE 1 = 0");
    for (std::string column : named.columns) {
      const char mark = column.back();
      if (mark == '#' || mark == '=') column.pop_back();
      const int index = result.ColumnIndex(column);
      ASSERT_GE(index, 0) << column;
      const int type = result.columns[static_cast<std::size_t>(index)].sqlType;
      EXPECT_EQ(IsText(type), mark != '#' && mark != '=') << column << " has SQL type " << type;
    }
  }
}

TEST_F(SchemaTest, CreatingAgainChangesNothing) {
  const int fixed = CreateSchema(Db());
  EXPECT_EQ(fixed, static_cast<int>(FixedTables().size()));
  EXPECT_EQ(CreateMonthTables(Db(), "200412"), 5);
  Db().Execute("INSERT INTO tbSysMsg (f_Csmc, f_Csz) VALUES ('dqny', '200412')");
  EXPECT_EQ(CreateSchema(Db()), 0);
  EXPECT_EQ(CreateMonthTables(Db(), "200412"), 0);
  EXPECT_EQ(Count("tbSysMsg"), 1);
  EXPECT_EQ(Db().TableNames().size(), FixedTables().size() + 5);
}

TEST_F(SchemaTest, KeysRefuseDuplicatesAndVoucherNumbersDefaultToEmpty) {
  CreateSchema(Db());
  Db().Execute("INSERT INTO tbCsda (f_Csbm, f_Csmc) VALUES ('01010001', 'x')");
  EXPECT_THROW(Db().Execute("INSERT INTO tbCsda (f_Csbm, f_Csmc) VALUES ('01010001', 'y')"), DbError);
  Db().Execute("INSERT INTO tbTdspzb (f_hsdwh, f_Djh, f_Zt) VALUES ('0002', '200503150001', '2')");
  Db().Execute("INSERT INTO tbfkjhb (f_Djh, f_Xh, f_Zt) VALUES ('JH20050300001', 1, 1)");
  EXPECT_EQ(Db().Query("SELECT f_Fkspdh FROM tbTdspzb WHERE f_Fkspdh = ''").rows.size(), 1u);
  EXPECT_EQ(Db().Query("SELECT f_spdh FROM tbfkjhb WHERE f_spdh = '' AND f_Zt = 1").rows.size(), 1u);
}

TEST_F(SchemaTest, MonthsAreListedAndBadMonthsRefused) {
  CreateSchema(Db());
  CreateMonthTables(Db(), "200502");
  CreateMonthTables(Db(), "200411");
  EXPECT_EQ(DataMonths(Db()), (std::vector<std::string>{"200411", "200502"}));
  for (const char* bad : {"200513", "200500", "20051", "2005011", "abcdef", ""})
    EXPECT_THROW(CreateMonthTables(Db(), bad), std::invalid_argument) << bad;
  EXPECT_THROW(MonthlyTable("nosuch", "200501"), std::out_of_range);
}

TEST(SchemaDdl, EachDialectGetsTypesItKnows) {
  const TableDef& forms = FixedTable("tbTdspcb");
  const std::string sqlite = CreateStatements(forms, Dialect::SQLite).front();
  const std::string postgres = CreateStatements(forms, Dialect::PostgreSQL).front();
  const std::string sqlServer = CreateStatements(forms, Dialect::SqlServer).front();
  EXPECT_THAT(sqlite, ::testing::HasSubstr("f_ssje REAL"));
  EXPECT_THAT(postgres, ::testing::HasSubstr("f_ssje DECIMAL(18,4)"));
  EXPECT_THAT(sqlServer, ::testing::HasSubstr("f_xmmc NVARCHAR(60)"));
  EXPECT_THAT(postgres, ::testing::HasSubstr("PRIMARY KEY (f_hsdwh,f_Djh,f_dnxh)"));
}

}  // namespace
}  // namespace refhost
