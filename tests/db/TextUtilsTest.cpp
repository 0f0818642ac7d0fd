#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "db/TextUtils.h"

namespace {

struct SplitCase {
  const char* delimiter;
  const char* text;
  std::vector<std::string> pieces;
  bool allFilled;
};

TEST(SplitText, PiecesAreTrimmedAndEmptyPiecesReported) {
  const SplitCase cases[] = {
      {";", " x ; y ", {"x", "y"}, true},
      {",", "a,,b", {"a", "", "b"}, false},
      {",", "", {""}, false},
      {",", "a,", {"a", ""}, false},
      {",", "\t001 ,\r\n002", {"001", "002"}, true},
      {"||", "a||b|c", {"a", "b|c"}, true},          // a delimiter of several characters
      {"，", "超市，百货", {"超市", "百货"}, true},  // a multi-byte delimiter
      {"", " whole text ", {"whole text"}, true},
  };
  for (const SplitCase& c : cases) {
    std::vector<std::string> pieces{"left over"};
    EXPECT_EQ(db::SplitText(c.delimiter, c.text, pieces), c.allFilled) << c.text;
    EXPECT_EQ(pieces, c.pieces) << c.text;
  }
}

TEST(CountFields, OneMoreThanTheDelimiters) {
  EXPECT_EQ(db::CountFields("", ","), 0);
  EXPECT_EQ(db::CountFields("a", ","), 1);
  EXPECT_EQ(db::CountFields("a,b", ","), 2);
  EXPECT_EQ(db::CountFields(",,", ","), 3);
  EXPECT_EQ(db::CountFields("甲，乙，丙", "，"), 3);
  EXPECT_EQ(db::CountFields("a,b", ""), 1);
}

TEST(NthField, FieldsBetweenDelimitersAndEmptyForTheWholeText) {
  struct Case {
    const char* text;
    int n;
    const char* field;
  } cases[] = {
      {"a,b,c", 1, "a"}, {"a,b,c", 2, "b"}, {"a,b,c", 3, "c"}, {"a,b,c", 4, ""}, {"abc", 1, ""},
      {"a,", 1, "a"},    {"a,", 2, ""},     {",b", 1, ""},     {",b", 2, "b"},   {"", 1, ""},
      {"a,b", 0, ""},    {"a,b", -1, ""},   {"a,,c", 2, ""},   {"a,,c", 3, "c"}, {"a,b,c", 255, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(db::NthField(c.text, ',', c.n), c.field) << c.text << " field " << c.n;
}

TEST(ChooseText, PicksByTheCondition) {
  EXPECT_EQ(db::ChooseText(true, " and f_a = '1'", ""), " and f_a = '1'");
  EXPECT_EQ(db::ChooseText(false, " and f_a = '1'", ""), "");
}

TEST(PadNumber, ZeroPaddedTruncatedOrWhole) {
  struct Case {
    int width;
    bool truncate;
    std::int64_t value;
    const char* text;
  } cases[] = {
      {2, false, 9, "09"},
      {3, false, 0, "000"},
      {0, true, 5, ""},
      {0, false, 5, "5"},
      {4, false, 123456, "123456"},
      {4, true, 123456, "3456"},
      {4, false, 1234, "1234"},
      {3, false, -5, "-05"},
      {-2, false, 7, "7"},
      {20, false, std::numeric_limits<std::int64_t>::max(), "09223372036854775807"},
      {0, false, std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(db::PadNumber(c.width, c.truncate, c.value), c.text)
        << c.width << " " << c.truncate << " " << c.value;
}

}  // namespace
