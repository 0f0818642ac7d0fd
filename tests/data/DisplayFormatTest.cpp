#include <gtest/gtest.h>

#include "data/DisplayFormat.h"

namespace {

using data::FormatDateTime;
using data::FormatFloat;

struct FloatCase {
  const char* format;
  double value;
  const char* text;
};

const FloatCase kFloats[] = {
    {"0.00", 1234.5, "1234.50"},
    {"0.00", 0.125, "0.13"},     // half away from zero
    {"0.00", 2.675, "2.68"},     // taken to 15 digits first, as amounts are read
    {"0.00", -1.005, "-1.01"},
    {"0.00", -0.001, "0.00"},    // no negative zero
    {"0.00", 0, "0.00"},
    {"#,##0.00", 1234567.891, "1,234,567.89"},
    {"#,##0.00", -1234.5, "-1,234.50"},
    {"#,##0.00", 12, "12.00"},
    {"0.##", 1, "1"},
    {"0.##", 1.5, "1.5"},
    {"0.##", 1.256, "1.26"},
    {"#.##", 0.5, ".5"},
    {"0.", 1.5, "2"},            // quantity format with precision 0
    {"0.000", 1.5, "1.500"},
    {"0.00%", 95, "95.00%"},     // '%' is a literal: no scaling
    {"0", 2.5, "3"},
    {"0", -2.5, "-3"},
    {"000000", 42, "000042"},
    {"0.00;(0.00);zero", -5, "(5.00)"},
    {"0.00;(0.00);zero", 0, "zero"},
    {"0.00;(0.00)", 5, "5.00"},
    {"'$'0.00", 3, "$3.00"},
    {"\"￥\"#,##0.00", 1000, "￥1,000.00"},
    {"0.00E+00", 12345, "1.23E+04"},
    {"0.00E+00", 0.000123, "1.23E-04"},
    {"", 0.30000000000000004, "0.3"},
    {"", 1e20, "1E20"},
    {"", -0.5, "-0.5"},
};

TEST(DisplayFormat, FormatFloatTable) {
  for (const FloatCase& c : kFloats) {
    SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.value));
    EXPECT_EQ(FormatFloat(c.format, c.value), c.text);
  }
}

TEST(DisplayFormat, DatesAndTimes) {
  double days = 0;
  ASSERT_TRUE(data::ParseDateTimeText("2005-01-01", days));
  EXPECT_EQ(days, 38353);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", days), "2005-01-01");
  EXPECT_EQ(FormatDateTime("yyyymmdd", days), "20050101");
  EXPECT_EQ(FormatDateTime("yy/m/d", days), "05/1/1");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", days + 0.5 + 1.0 / 1440), "2005-01-01 12:01:00");
  EXPECT_EQ(FormatDateTime("hh:mm", days + 0.75), "18:00");  // m after h is minutes
  EXPECT_EQ(FormatDateTime("yyyy\"年\"m\"月\"", days), "2005年1月");
}

TEST(DisplayFormat, ParseDateTimeText) {
  double days = 0;
  EXPECT_TRUE(data::ParseDateTimeText("2005/1/31", days));
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", days), "2005-01-31");
  EXPECT_TRUE(data::ParseDateTimeText("20050131", days));
  EXPECT_TRUE(data::ParseDateTimeText("1/31/2005", days));
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", days), "2005-01-31");
  EXPECT_TRUE(data::ParseDateTimeText(" 2005-01-31 10:30 ", days));
  EXPECT_EQ(FormatDateTime("hh:nn:ss", days), "10:30:00");
  EXPECT_FALSE(data::ParseDateTimeText("2005-02-30", days));
  EXPECT_FALSE(data::ParseDateTimeText("2005-01-01 25:00", days));
  EXPECT_FALSE(data::ParseDateTimeText("abc", days));
  EXPECT_FALSE(data::ParseDateTimeText("", days));
}

}  // namespace
