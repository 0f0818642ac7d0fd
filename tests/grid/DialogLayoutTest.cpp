#include <gtest/gtest.h>

#include "grid/DialogUnits.h"
#include "grid/WrappedText.h"
#include "support/HeadlessTest.h"

namespace {

// The headless backend measures six pixels per ANSI byte and twelve per line in the
// default font, so its dialog units are 6 by 12.
class DialogLayoutTest : public HeadlessTest {};

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(grid::MulDiv(63, 12, 8), 95);  // 94.5
  EXPECT_EQ(grid::MulDiv(19, 12, 8), 29);  // 28.5
  EXPECT_EQ(grid::MulDiv(50, 7, 4), 88);   // 87.5
  EXPECT_EQ(grid::MulDiv(10, 7, 4), 18);   // 17.5
  EXPECT_EQ(grid::MulDiv(9, 7, 4), 16);    // 15.75
  EXPECT_EQ(grid::MulDiv(-10, 7, 4), -18);
}

TEST_F(DialogLayoutTest, DialogUnitsAreTheAverageLetterWidthAndTheHeight) {
  const grid::DialogUnits units = grid::MeasureDialogUnits(ui::Font{});
  EXPECT_EQ(units.charWidth, 6);
  EXPECT_EQ(units.charHeight, 12);
  EXPECT_EQ(units.X(180), 270);
  EXPECT_EQ(units.Y(63), 95);
}

struct WrapCase {
  const char* name;
  std::string text;
  int maxWidth;
  ui::Size expected;
};

class WrappedTextTest : public HeadlessTest, public testing::WithParamInterface<WrapCase> {};

TEST_P(WrappedTextTest, MeasuresTheWrappedLines) {
  EXPECT_EQ(grid::MeasureWrappedText(ui::Font{}, GetParam().text, GetParam().maxWidth),
            GetParam().expected);
}

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrappedTextTest,
    testing::Values(
        WrapCase{"OneLine", "是否删除？", 512, {60, 12}},
        WrapCase{"ChineseBreaksBetweenCharacters", Repeat("审", 100), 512, {504, 36}},
        WrapCase{"WordsBreakAtBlanks", "aaaa bbbb cccc", 60, {54, 24}},
        WrapCase{"ABlankDoesNotStartAWrappedLine", "aaaa bbbb", 24, {24, 24}},
        WrapCase{"ALongWordKeepsItsLine", "aaaaaaaaaa b", 30, {60, 24}},
        WrapCase{"LineBreaks", "ab\r\ncdef\nx", 512, {24, 36}},
        WrapCase{"TabsStopAtEightAverageCharacters", "a\tb", 512, {54, 12}},
        WrapCase{"EmptyText", "", 512, {0, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
