#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "refhost/SqliteFixture.h"
#include "refhost/engine/BulkInserter.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/Transaction.h"

namespace refhost {
namespace {

using ::testing::HasSubstr;
using test::SqliteTest;
using Type = base::Variant::Type;

class DatabaseTest : public SqliteTest {
 protected:
  void SetUp() override {
    SqliteTest::SetUp();
    Db().Execute("CREATE TABLE t (code VARCHAR(20), name VARCHAR(60), qty INTEGER, amount REAL)");
  }
};

TEST_F(DatabaseTest, CreatesTheFileAndKnowsItsDialect) {
  EXPECT_TRUE(std::filesystem::exists(dir_.File("test.db")));
  EXPECT_EQ(Db().GetDialect(), Dialect::SQLite);
  EXPECT_TRUE(Db().TableExists("T"));
  EXPECT_FALSE(Db().TableExists("t2"));
}

TEST_F(DatabaseTest, ReadsBackTextsNumbersAndNulls) {
  EXPECT_EQ(Db().Execute("INSERT INTO t VALUES ('0101', '上海联华食品有限公司', 3, 12.5)"), 1);
  Db().Execute("INSERT INTO t VALUES ('0102', NULL, NULL, NULL)");
  const ResultSet result = Db().Query("SELECT code, name, qty, amount, qty * amount AS total FROM t ORDER BY code");
  ASSERT_EQ(result.columns.size(), 5u);
  EXPECT_EQ(result.columns[1].name, "name");
  EXPECT_EQ(result.columns[1].size, 60);
  EXPECT_EQ(result.ColumnIndex("AMOUNT"), 3);
  ASSERT_EQ(result.rows.size(), 2u);
  const auto& first = result.rows[0];
  EXPECT_EQ(first[0], base::Variant("0101"));
  EXPECT_EQ(first[1], base::Variant("上海联华食品有限公司"));
  EXPECT_EQ(first[2], base::Variant(3));
  EXPECT_EQ(first[3], base::Variant(12.5));
  EXPECT_EQ(first[4].ToDouble(), 37.5);
  for (int column = 1; column <= 3; ++column) EXPECT_TRUE(result.rows[1][column].IsNull());
}

// SQLite's driver describes a computed column by its first row: here a whole 0, then
// cents follow. They must not be cut to whole numbers, and the column is a double one.
TEST_F(DatabaseTest, ComputedColumnKeepsFractionsAfterAWholeFirstRow) {
  Db().Execute("INSERT INTO t (qty, amount) VALUES (1, NULL)");
  Db().Execute("INSERT INTO t (qty, amount) VALUES (2, 192275.27)");
  const ResultSet result = Db().Query("SELECT coalesce(amount, 0) + 0 AS total FROM t ORDER BY qty");
  ASSERT_EQ(result.rows.size(), 2u);
  EXPECT_EQ(result.rows[0][0].ToDouble(), 0.0);
  EXPECT_EQ(result.rows[1][0], base::Variant(192275.27));
  EXPECT_EQ(result.columns[0].sqlType, 8);  // SQL_DOUBLE
}

TEST_F(DatabaseTest, ReadsTextsLongerThanOneBuffer) {
  std::string longText;
  for (int i = 0; i < 3000; ++i) longText += "通道";  // 18000 bytes of UTF-8
  Statement insert = Db().Prepare("INSERT INTO t (code, name) VALUES ('x', ?)");
  insert.Execute({longText});
  EXPECT_EQ(Db().Query("SELECT name FROM t").rows.at(0).at(0), base::Variant(longText));
}

TEST_F(DatabaseTest, RefusedStatementCarriesTheDatabasesMessage) {
  try {
    Db().Query("SELECT * FROM nosuch");
    FAIL() << "the statement was not refused";
  } catch (const DbError& error) {
    EXPECT_THAT(error.what(), HasSubstr("no such table: nosuch"));
    ASSERT_FALSE(error.Records().empty());
    EXPECT_THAT(error.Messages().front(), HasSubstr("no such table: nosuch"));
  }
  EXPECT_THROW(Db().Execute("INSERT INTO t VALUES (1, 2)"), DbError);
  // The connection stays usable after a refusal.
  EXPECT_EQ(Db().Execute("INSERT INTO t (code) VALUES ('a')"), 1);
}

TEST_F(DatabaseTest, FailedConnectionCarriesTheDriversMessage) {
  try {
    Database::Connect("DRIVER={No Such Driver};Database=x");
    FAIL() << "connected to a driver that does not exist";
  } catch (const DbError& error) {
    EXPECT_THAT(error.what(), HasSubstr("cannot connect to the database"));
    EXPECT_THAT(error.what(), HasSubstr("No Such Driver"));
  }
  EXPECT_THROW(Database::OpenSqliteFile(dir_.File("a;b.db")), std::invalid_argument);
  EXPECT_THROW(Database::OpenSqliteFile(""), std::invalid_argument);
}

TEST_F(DatabaseTest, RewritesLeftBeforeSqliteRunsIt) {
  Db().Execute("INSERT INTO t (code, name) VALUES ('200503', 'left(x,1)')");
  const ResultSet result =
      Db().Query("SELECT LEFT(code, 4), left(left(code,6),5), 'left(a,1)', name FROM t "
                 "WHERE left(code,4) = '2005'");
  ASSERT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(result.rows[0][0], base::Variant("2005"));
  EXPECT_EQ(result.rows[0][1], base::Variant("20050"));
  EXPECT_EQ(result.rows[0][2], base::Variant("left(a,1)"));
  EXPECT_EQ(result.rows[0][3], base::Variant("left(x,1)"));
}

TEST_F(DatabaseTest, PreparedStatementBindsEveryKindOfValue) {
  Statement insert = Db().Prepare("INSERT INTO t VALUES (?, ?, ?, ?)");
  insert.Execute({"a'b", "含'引号", 7, 2.25});
  insert.Execute({"null", base::Null{}, base::Variant(), base::Null{}});
  Statement select = Db().Prepare("SELECT name, qty, amount FROM t WHERE code = ?");
  const ResultSet quoted = select.Query({"a'b"});
  ASSERT_EQ(quoted.rows.size(), 1u);
  EXPECT_EQ(quoted.rows[0][0], base::Variant("含'引号"));
  EXPECT_EQ(quoted.rows[0][1], base::Variant(7));
  EXPECT_EQ(quoted.rows[0][2], base::Variant(2.25));
  const ResultSet nulls = select.Query({"null"});
  ASSERT_EQ(nulls.rows.size(), 1u);
  for (const auto& value : nulls.rows[0]) EXPECT_TRUE(value.IsNull());
}

// A statement run again keeps its bindings while the values fit; longer texts and
// values of another type must still arrive whole.
TEST_F(DatabaseTest, ReusedStatementTakesLongerValuesAndOtherTypes) {
  Statement insert = Db().Prepare("INSERT INTO t (code, name, amount) VALUES (?, ?, ?)");
  const std::string longName(300, 'x');
  insert.Execute({"1", "短", 1});
  insert.Execute({"2", longName, 2.5});
  insert.Execute({"3", base::Null{}, base::Null{}});
  insert.Execute({"4", "", 4});
  const ResultSet rows = Db().Query("SELECT name, amount FROM t ORDER BY code");
  ASSERT_EQ(rows.rows.size(), 4u);
  EXPECT_EQ(rows.rows[0][0], base::Variant("短"));
  EXPECT_EQ(rows.rows[1][0], base::Variant(longName));
  EXPECT_EQ(rows.rows[1][1], base::Variant(2.5));
  EXPECT_TRUE(rows.rows[2][0].IsNull());
  EXPECT_TRUE(rows.rows[2][1].IsNull());
  EXPECT_EQ(rows.rows[3][0], base::Variant(""));
  EXPECT_EQ(rows.rows[3][1].ToDouble(), 4.0);
}

TEST_F(DatabaseTest, ParameterKindsConvertValues) {
  Statement insert = Db().Prepare("INSERT INTO t VALUES (?, ?, ?, ?)");
  insert.SetParameterKinds({ValueKind::Text, ValueKind::Text, ValueKind::Integer, ValueKind::Number});
  insert.Execute({12, "n", "42", "1.5"});
  const auto row = Db().Query("SELECT code, qty, amount FROM t").rows.at(0);
  EXPECT_EQ(row[0], base::Variant("12"));
  EXPECT_EQ(row[1], base::Variant(42));
  EXPECT_EQ(row[2], base::Variant(1.5));
  EXPECT_THROW(insert.Execute({"x", "n", "not a number", 1.0}), base::VariantError);
}

TEST_F(DatabaseTest, ReaderStreamsRows) {
  for (int i = 0; i < 3; ++i) Db().Execute("INSERT INTO t (qty) VALUES (" + std::to_string(i) + ")");
  ResultReader reader = Db().Read("SELECT qty FROM t ORDER BY qty");
  ASSERT_EQ(reader.Columns().size(), 1u);
  std::vector<base::Variant> row;
  int expected = 0;
  while (reader.Next(row)) EXPECT_EQ(row.at(0), base::Variant(expected++));
  EXPECT_EQ(expected, 3);
  EXPECT_FALSE(reader.Next(row));
}

TEST_F(DatabaseTest, RolledBackTransactionLeavesNoRow) {
  Db().Begin();
  Db().Execute("INSERT INTO t (code) VALUES ('gone')");
  EXPECT_EQ(Count("t"), 1);
  Db().Rollback();
  EXPECT_EQ(Count("t"), 0);
  EXPECT_FALSE(Db().InTransaction());
}

TEST_F(DatabaseTest, TransactionCommitsOrRollsBackOnFailure) {
  {
    Transaction transaction(Db());
    Db().Execute("INSERT INTO t (code) VALUES ('kept')");
    transaction.Commit();
  }
  try {
    Transaction transaction(Db());
    Db().Execute("INSERT INTO t (code) VALUES ('half')");
    Db().Execute("INSERT INTO nosuch VALUES (1)");
    transaction.Commit();
  } catch (const DbError&) {
  }
  const ResultSet rows = Db().Query("SELECT code FROM t");
  ASSERT_EQ(rows.rows.size(), 1u);
  EXPECT_EQ(rows.rows[0][0], base::Variant("kept"));
  // Statements after the transaction commit on their own again.
  Db().Execute("INSERT INTO t (code) VALUES ('later')");
  EXPECT_EQ(Count("t"), 2);
}

TEST_F(DatabaseTest, NestedBeginIsRefused) {
  Db().Begin();
  EXPECT_THROW(Db().Begin(), std::logic_error);
  Db().Commit();
  EXPECT_THROW(Db().Commit(), std::logic_error);
}

TEST_F(DatabaseTest, BulkInserterWritesFullAndPartialBatches) {
  BulkInserter inserter(Db(), "t", {"code", "name", "qty", "amount"},
                        {ValueKind::Text, ValueKind::Text, ValueKind::Integer, ValueKind::Number});
  for (int i = 0; i < 1234; ++i)
    inserter.Add({std::to_string(i), i % 2 ? base::Variant("名称") : base::Variant(base::Null{}), i,
                  i / 4.0});
  inserter.Flush();
  EXPECT_EQ(inserter.RowsWritten(), 1234);
  const auto sums = Db().Query("SELECT COUNT(*), SUM(qty), SUM(amount), COUNT(name) FROM t").rows.at(0);
  EXPECT_EQ(sums[0], base::Variant(1234));
  EXPECT_EQ(sums[1].ToDouble(), 1233.0 * 1234 / 2);
  EXPECT_EQ(sums[2].ToDouble(), 1233.0 * 1234 / 2 / 4);
  EXPECT_EQ(sums[3], base::Variant(617));
  EXPECT_THROW(inserter.Add({"too", "few"}), std::invalid_argument);
}

}  // namespace
}  // namespace refhost
