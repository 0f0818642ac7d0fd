#include "db/SqlText.h"

#include <gtest/gtest.h>

namespace {

struct QuoteCase {
  const char* value;
  const char* quoted;
};

class QuotedStrTest : public testing::TestWithParam<QuoteCase> {};

TEST_P(QuotedStrTest, PutsTheValueBetweenQuotesWithInnerQuotesDoubled) {
  EXPECT_EQ(db::QuotedStr(GetParam().value), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuotedStrTest,
                         testing::Values(QuoteCase{"", "''"}, QuoteCase{"001", "'001'"},
                                         QuoteCase{"O'Brien", "'O''Brien'"},
                                         QuoteCase{"'", "''''"},
                                         QuoteCase{"x' or '1'='1", "'x'' or ''1''=''1'"},
                                         QuoteCase{"总部' --", "'总部'' --'"},
                                         QuoteCase{"a\\'b", "'a\\''b'"}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ConcatOperator, PlusOnlyForSqlServer) {
  EXPECT_EQ(db::ConcatOperator("SQLSERVER"), "+");
  EXPECT_EQ(db::ConcatOperator("ORACLE"), "||");
  EXPECT_EQ(db::ConcatOperator("DB2"), "||");
  EXPECT_EQ(db::ConcatOperator("sqlserver"), "||");  // the host's text, matched exactly
  EXPECT_EQ(db::ConcatOperator(""), "||");
}

}  // namespace
