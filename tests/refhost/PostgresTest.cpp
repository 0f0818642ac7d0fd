#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "refhost/PostgresSuite.h"
#include "refhost/ScreenStatements.h"
#include "refhost/TempDir.h"
#include "refhost/engine/Database.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/Transaction.h"
#include "refhost/generator/DataGenerator.h"
#include "refhost/schema/SchemaBuilder.h"

namespace refhost {
namespace {

using ::testing::HasSubstr;

// The rows of a result as sorted texts; numbers to the cent, because PostgreSQL sums
// decimals exactly where SQLite adds binary fractions.
std::vector<std::string> Normalised(const ResultSet& result) {
  std::vector<std::string> rows;
  for (const auto& row : result.rows) {
    std::string line;
    for (const auto& value : row) {
      if (value.GetType() == base::Variant::Type::Double ||
          value.GetType() == base::Variant::Type::Int) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", value.ToDouble());
        line += text;
      } else {
        line += value.ToTextOrEmpty();
      }
      line += '|';
    }
    rows.push_back(line);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CreateSchemaOnly(Database& database) { CreateSchema(database); }

// One server with the schema for the whole suite.
using PostgresTest = test::PostgresSuite<&CreateSchemaOnly>;

// The generator fills PostgreSQL as it fills SQLite, and the screens' statements give
// the same rows on both.
TEST_F(PostgresTest, ScreensStatementsGiveTheRowsSqliteGives) {
  EXPECT_EQ(postgres_->GetDialect(), Dialect::PostgreSQL);
  GeneratorOptions options;
  options.scale = 200;
  DataGenerator(*postgres_, options).Run();
  test::TempDir dir;
  auto sqlite = Database::OpenSqliteFile(dir.File("same.db"));
  DataGenerator(*sqlite, options).Run();
  for (const test::ScreenStatement& statement : test::ScreenStatements("||")) {
    SCOPED_TRACE(statement.name);
    const ResultSet rows = postgres_->Query(statement.sql);
    if (statement.expectRows) {
      EXPECT_FALSE(rows.rows.empty());
    }
    EXPECT_EQ(Normalised(rows), Normalised(sqlite->Query(statement.sql)));
  }
  const ResultSet texts = postgres_->Query(
      "SELECT f_Csz, left(f_Csz, 3), '费用' || f_Csmc FROM tbSysMsg WHERE f_Csmc = 'dz'");
  ASSERT_EQ(texts.rows.size(), 1u);
  EXPECT_EQ(texts.rows[0][0], base::Variant("上海市南京东路100号"));
  EXPECT_EQ(texts.rows[0][1], base::Variant("上海市"));
  EXPECT_EQ(texts.rows[0][2], base::Variant("费用dz"));
}

// Failure paths: a refused statement carries the server's message, and a transaction
// that fails halfway leaves no row.
TEST_F(PostgresTest, RefusalsLeaveNothingBehind) {
  try {
    postgres_->Query("SELECT * FROM nosuch");
    FAIL() << "the statement was not refused";
  } catch (const DbError& error) {
    EXPECT_THAT(error.what(), HasSubstr("relation \"nosuch\" does not exist"));
  }
  const auto count = [] {
    return postgres_->Query("SELECT COUNT(*) FROM tbCsda").rows.at(0).at(0).ToInt();
  };
  const int before = count();
  try {
    Transaction transaction(*postgres_);
    postgres_->Execute("INSERT INTO tbCsda (f_Csbm, f_Csmc) VALUES ('98980001', '临时')");
    postgres_->Execute("INSERT INTO tbCsda (f_Csbm, f_Csmc) VALUES ('98980001', '重复')");
    transaction.Commit();
    FAIL() << "the duplicate key was not refused";
  } catch (const DbError& error) {
    EXPECT_THAT(error.what(), HasSubstr("duplicate key"));
  }
  EXPECT_EQ(count(), before);
}

}  // namespace
}  // namespace refhost
