#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "refhost/ScreenStatements.h"
#include "refhost/SqliteFixture.h"
#include "refhost/generator/DataGenerator.h"
#include "refhost/schema/BusinessTables.h"
#include "refhost/schema/SchemaBuilder.h"

namespace refhost {
namespace {

// Every row of every table of the database as text, sorted.
std::map<std::string, std::vector<std::string>> Dump(Database& database) {
  std::map<std::string, std::vector<std::string>> dump;
  for (const std::string& table : database.TableNames()) {
    ResultReader reader = database.Read("SELECT * FROM " + table);
    std::vector<base::Variant> row;
    auto& lines = dump[table];
    while (reader.Next(row)) {
      std::string line;
      for (const auto& value : row) line += value.ToTextOrEmpty() + "|";
      lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
  }
  return dump;
}

GeneratorOptions Options(long long scale, std::uint64_t seed) {
  GeneratorOptions options;
  options.scale = scale;
  options.seed = seed;
  return options;
}

class GeneratorTest : public test::SqliteTest {};

TEST_F(GeneratorTest, SameSeedGivesTheSameRows) {
  DataGenerator(Db(), Options(60, 7)).Run();
  auto again = Database::OpenSqliteFile(dir_.File("again.db"));
  DataGenerator(*again, Options(60, 7)).Run();
  auto other = Database::OpenSqliteFile(dir_.File("other.db"));
  DataGenerator(*other, Options(60, 8)).Run();
  const auto first = Dump(Db());
  EXPECT_EQ(first, Dump(*again));
  EXPECT_NE(first, Dump(*other));
}

TEST_F(GeneratorTest, ScaleSetsTheBillLinesOfEveryMonth) {
  const auto written = DataGenerator(Db(), Options(250, 1)).Run();
  for (const char* month : {"200501", "200502", "200503"}) {
    EXPECT_EQ(Count(std::string("tb") + month + "_Tjjcb"), 250) << month;
    EXPECT_EQ(Count(std::string("tb") + month + "_Gysfl"), 125) << month;
  }
  EXPECT_EQ(written.at("tb200503_Tjjcb"), 250);
  EXPECT_EQ(DataMonths(Db()), (std::vector<std::string>{"200501", "200502", "200503"}));
}

TEST_F(GeneratorTest, DocumentsComeInEveryState) {
  DataGenerator(Db(), Options(400, 3)).Run();
  auto values = [&](const std::string& sql) {
    std::vector<std::string> texts;
    for (const auto& row : Db().Query(sql).rows) texts.push_back(row.at(0).ToTextOrEmpty());
    return texts;
  };
  using ::testing::ElementsAre;
  EXPECT_THAT(values("SELECT DISTINCT f_Zt FROM tbTdspzb ORDER BY 1"), ElementsAre("0", "1", "2"));
  EXPECT_THAT(values("SELECT DISTINCT f_Zt FROM tbfkjhb ORDER BY 1"), ElementsAre("0", "1", "2"));
  EXPECT_THAT(values("SELECT DISTINCT f_Fylx FROM tbTdspzb WHERE f_Fylx IN ('', '0') ORDER BY 1"),
              ElementsAre("", "0"));
  // Forms still to pay, and forms whose voucher number begins with its voucher's date.
  EXPECT_FALSE(values("SELECT f_Djh FROM tbTdspzb WHERE f_Zt = '2' AND f_Fkspdh = ''").empty());
  EXPECT_FALSE(values("SELECT f_spdh FROM tbfkjhb WHERE f_Zt = 1 AND f_spdh = ''").empty());
  EXPECT_THAT(values("SELECT COUNT(*) FROM tbTdspzb z WHERE f_Fkspdh <> '' AND NOT EXISTS "
                     "(SELECT 1 FROM tbFkd v WHERE v.f_Djh = z.f_Fkspdh AND "
                     "v.f_Zdrq = substr(z.f_Fkspdh, 1, 8) AND v.f_TdDjh = z.f_Djh)"),
              ElementsAre("0"));
  EXPECT_THAT(values("SELECT COUNT(*) FROM tbTdspzb WHERE f_Fkspdh <> ''"),
              ::testing::Not(ElementsAre("0")));
  EXPECT_EQ(Count("tbTdautoLog"), Count("tbTdspzb"));
  EXPECT_EQ(Count("tbFkd"), Db().Query("SELECT COUNT(*) FROM tbTdspzb WHERE f_Fkspdh <> ''")
                                    .rows[0][0].ToInt() +
                                Db().Query("SELECT COUNT(DISTINCT f_Djh) FROM tbfkjhb WHERE f_spdh <> ''")
                                    .rows[0][0].ToInt());
}

TEST_F(GeneratorTest, RefusesADatabaseThatHoldsData) {
  DataGenerator(Db(), Options(5, 1)).Run();
  const int parameters = Count("tbSysMsg");
  EXPECT_THROW(DataGenerator(Db(), Options(5, 2)).Run(), std::runtime_error);
  EXPECT_EQ(Count("tbSysMsg"), parameters);
}

TEST_F(GeneratorTest, RefusesOptionsOutOfRange) {
  struct Bad {
    long long scale;
    const char* month;
    int day;
    int months;
  };
  for (const Bad& bad : {Bad{0, "200503", 15, 3}, Bad{1, "200513", 15, 3}, Bad{1, "200502", 29, 3},
                         Bad{1, "200503", 0, 3}, Bad{1, "200503", 15, 0}}) {
    GeneratorOptions options;
    options.scale = bad.scale;
    options.currentMonth = bad.month;
    options.currentDay = bad.day;
    options.months = bad.months;
    EXPECT_THROW(DataGenerator(Db(), options), std::invalid_argument) << bad.month << " " << bad.day;
  }
}

// The screens' statements run unchanged on the generated data.
class ScreenStatementsTest : public ::testing::TestWithParam<test::ScreenStatement> {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    database_ = Database::OpenSqliteFile(dir_->File("demo.db")).release();
    DataGenerator(*database_, Options(200, 1)).Run();
  }
  static void TearDownTestSuite() {
    delete database_;
    delete dir_;
  }
  static test::TempDir* dir_;
  static Database* database_;
};

test::TempDir* ScreenStatementsTest::dir_ = nullptr;
Database* ScreenStatementsTest::database_ = nullptr;

TEST_P(ScreenStatementsTest, RunsOnSqlite) {
  const ResultSet result = database_->Query(GetParam().sql);
  EXPECT_FALSE(result.columns.empty());
  if (GetParam().expectRows) {
    EXPECT_FALSE(result.rows.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Demo, ScreenStatementsTest,
                         ::testing::ValuesIn(test::ScreenStatements("||")),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace refhost
