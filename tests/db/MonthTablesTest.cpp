#include "db/MonthTables.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct UnionCase {
  const char* name;
  const char* sqlTemplate;
  const char* first;
  const char* last;
  const char* expected;
};

class BuildMonthUnionTest : public testing::TestWithParam<UnionCase> {};

TEST_P(BuildMonthUnionTest, ExpandsThePlaceholderOncePerMonthOldestFirst) {
  const UnionCase& c = GetParam();
  EXPECT_EQ(db::BuildMonthUnion(c.sqlTemplate, c.first, c.last), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildMonthUnionTest,
    testing::Values(
        UnionCase{"EqualMonthsGiveOneCopy", "select * from tb000000_Gysfl", "200503", "200503",
                  "select * from tb200503_Gysfl"},
        UnionCase{"ReversedRangeGivesNothing", "select * from tb000000_Gysfl", "200504", "200503",
                  ""},
        UnionCase{"YearEnd", "select a from tb000000_tdsfb", "200411", "200502",
                  "select a from tb200411_tdsfb Union All select a from tb200412_tdsfb Union All "
                  "select a from tb200501_tdsfb Union All select a from tb200502_tdsfb"},
        UnionCase{"PlaceholderTwiceTakesTheSameMonth",
                  "select * from tb000000_Tjjzb z where exists (select 1 from tb000000_Tjjcb c)",
                  "200412", "200501",
                  "select * from tb200412_Tjjzb z where exists (select 1 from tb200412_Tjjcb c)"
                  " Union All "
                  "select * from tb200501_Tjjzb z where exists (select 1 from tb200501_Tjjcb c)"},
        UnionCase{"UpperCasePlaceholderStays", "select * from TB000000_Gysfl", "200501", "200502",
                  "select * from TB000000_Gysfl Union All select * from TB000000_Gysfl"},
        UnionCase{"PlaceholderBackToBack", "tb000000tb000000", "200501", "200501",
                  "tb200501tb200501"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListMonths, NewestFirstAndClearsTheList) {
  std::vector<std::string> months{"stale"};
  db::ListMonths("200411", "200502", months);
  EXPECT_EQ(months, (std::vector<std::string>{"200502", "200501", "200412", "200411"}));
  db::ListMonths("200502", "200411", months);
  EXPECT_TRUE(months.empty());
}

TEST(PreviousMonth, StepsBackOverTheYearEnd) {
  EXPECT_EQ(db::PreviousMonth("200503"), "200502");
  EXPECT_EQ(db::PreviousMonth("200501"), "200412");
  EXPECT_EQ(db::PreviousMonth("200010"), "200009");
  EXPECT_EQ(db::PreviousMonth("100001"), "099912");
}

struct DaysCase {
  const char* yearMonth;
  int days;
};

class DaysInMonthTest : public testing::TestWithParam<DaysCase> {};

TEST_P(DaysInMonthTest, CountsTheDays) {
  EXPECT_EQ(db::DaysInMonth(GetParam().yearMonth), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(Cases, DaysInMonthTest,
                         testing::Values(DaysCase{"200402", 29}, DaysCase{"200502", 28},
                                         DaysCase{"200002", 29}, DaysCase{"190002", 28},
                                         DaysCase{"200504", 30}, DaysCase{"200512", 31},
                                         DaysCase{"200501", 31}, DaysCase{"200511", 30},
                                         DaysCase{"20040215", 29}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// A malformed year-month stops the operation with a message that names it.
class MalformedYearMonth : public testing::TestWithParam<const char*> {};

TEST_P(MalformedYearMonth, IsAnErrorNamingTheValue) {
  const std::string bad = GetParam();
  const auto expectNamed = [&](auto&& call) {
    try {
      call();
      ADD_FAILURE() << "no error for \"" << bad << "\"";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find("\"" + bad + "\""), std::string::npos) << e.what();
    }
  };
  std::vector<std::string> months;
  expectNamed([&] { db::PreviousMonth(bad); });
  expectNamed([&] { db::DaysInMonth(bad); });
  expectNamed([&] { db::ListMonths(bad, "200501", months); });
  expectNamed([&] { db::ListMonths("200501", bad, months); });
  expectNamed([&] { db::BuildMonthUnion("tb000000_Gysfl", bad, "200501"); });
  expectNamed([&] { db::BuildMonthUnion("tb000000_Gysfl", "200501", bad); });
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedYearMonth,
                         testing::Values("200513", "200500", "2005ab", "20051", "", "000001",
                                         "2005-1", " 200501"),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(MalformedYearMonth, AFirstMonthAfterTheLastIsStillChecked) {
  // "2005ab" sorts after "200501": unchecked, the union would silently be empty.
  EXPECT_THROW(db::BuildMonthUnion("tb000000_Gysfl", "2005ab", "200501"), std::invalid_argument);
  EXPECT_THROW(db::BuildMonthUnion("tb000000_Gysfl", "", "200501"), std::invalid_argument);
}

TEST(MalformedYearMonth, ThereIsNoMonthBeforeJanuaryOfYearOne) {
  EXPECT_THROW(db::PreviousMonth("000101"), std::invalid_argument);
  std::vector<std::string> months;
  db::ListMonths("000101", "000102", months);
  EXPECT_EQ(months, (std::vector<std::string>{"000102", "000101"}));
}

}  // namespace
