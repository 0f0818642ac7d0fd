#include "refhost/cli/FeeHostCommand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "refhost/TempDir.h"
#include "refhost/cli/CsvWriter.h"

namespace refhost {
namespace {

using ::testing::HasSubstr;

struct QuoteCase {
  const char* field;
  const char* written;
};

TEST(CsvWriter, QuotesOnlyWhatMustBeQuoted) {
  const QuoteCase cases[] = {
      {"plain", "plain"},          {"", ""},
      {"a,b", "\"a,b\""},          {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""}, {"cr\r", "\"cr\r\""},
      {"上海,联华", "\"上海,联华\""},   {" blanks kept ", " blanks kept "},
  };
  for (const QuoteCase& c : cases) EXPECT_EQ(CsvWriter::Quote(c.field), c.written) << c.field;
}

TEST(CsvWriter, WritesValuesAndEndsLinesWithCrLf) {
  std::ostringstream out;
  CsvWriter(out).WriteRow(std::vector<base::Variant>{
      "a,b", 3, 2.5, base::Null{}, std::vector<std::uint8_t>{0x0F, 0xA0}});
  EXPECT_EQ(out.str(), "\"a,b\",3,2.5,,0x0FA0\r\n");
}

class FeeHostCommandTest : public ::testing::Test {
 protected:
  int Run(std::vector<std::string> arguments) {
    out_.str("");
    err_.str("");
    return RunFeeHost(arguments, out_, err_);
  }
  test::TempDir dir_;
  std::ostringstream out_, err_;
};

TEST_F(FeeHostCommandTest, InitThenQueryPrintsCsv) {
  const std::string db = dir_.File("demo.db");
  ASSERT_EQ(Run({"init", "--db", db, "--scale", "5", "--seed", "3"}), 0) << err_.str();
  EXPECT_THAT(out_.str(), HasSubstr("tb200503_Tjjcb 5\n"));
  ASSERT_EQ(Run({"query", "--db", db,
                 "select f_Csmc, 'x,\"y\"' q, left(f_Csz, 4) from tbSysMsg where f_Csmc in "
                 "('dqny','dz') order by f_Csmc"}),
            0)
      << err_.str();
  EXPECT_EQ(out_.str(),
            "f_Csmc,q,\"substr(f_Csz, 1, 4)\"\r\n"
            "dqny,\"x,\"\"y\"\"\",2005\r\n"
            "dz,\"x,\"\"y\"\"\",上海市南\r\n");
}

TEST_F(FeeHostCommandTest, RefusedQueryReportsTheDatabasesMessage) {
  const std::string db = dir_.File("empty.db");
  EXPECT_EQ(Run({"query", "--db", db, "select * from nosuch"}), 1);
  EXPECT_THAT(err_.str(), HasSubstr("no such table: nosuch"));
  EXPECT_EQ(out_.str(), "");
}

TEST_F(FeeHostCommandTest, InitRefusesADatabaseThatHoldsData) {
  const std::string db = dir_.File("demo.db");
  ASSERT_EQ(Run({"init", "--db", db, "--scale", "1"}), 0) << err_.str();
  EXPECT_EQ(Run({"init", "--db", db, "--scale", "1"}), 1);
  EXPECT_THAT(err_.str(), HasSubstr("already holds data"));
}

struct UsageCase {
  std::vector<std::string> arguments;
  const char* message;
};

TEST_F(FeeHostCommandTest, CommandLineMistakesAreNamed) {
  const std::string db = dir_.File("x.db");
  const UsageCase cases[] = {
      {{}, "no command"},
      {{"frobnicate"}, "unknown command \"frobnicate\""},
      {{"init", "--db", db}, "init needs --scale N"},
      {{"init", "--db", db, "--scale", "ten"}, "--scale wants a whole number"},
      {{"init", "--db", db, "--scale", "0"}, "--scale wants a whole number from 1"},
      {{"init", "--db", db, "--scale", "1", "--month", "200513"}, "not a year-month"},
      {{"init", "--scale", "1"}, "give either --db FILE or --conn CONNECTION"},
      {{"init", "--db", db, "--conn", "DSN=x", "--scale", "1"}, "give either --db"},
      {{"init", "--db", db, "--scale"}, "option --scale needs a value"},
      {{"init", "--db", db, "--db", db}, "option --db given twice"},
      {{"query", "--db", db}, "query takes one SQL text"},
      {{"query", "--db", db, "--scale", "1", "select 1"}, "unknown option --scale"},
      {{"query", "--db", dir_.File("a;b.db"), "select 1"}, "may not contain ';'"},
  };
  for (const UsageCase& c : cases) {
    EXPECT_EQ(Run(c.arguments), 2) << c.message;
    EXPECT_THAT(err_.str(), HasSubstr(c.message));
    EXPECT_THAT(err_.str(), HasSubstr("usage:"));
  }
}

}  // namespace
}  // namespace refhost
