#include "base/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf16, RoundTripsChineseAndSupplementaryCharacters) {
  const std::string text = "审批表 A1 \xF0\x9F\x98\x80";  // includes U+1F600
  const std::u16string wide = base::Utf8ToUtf16(text);
  EXPECT_EQ(wide.size(), 9u);  // three Chinese, four ASCII, one surrogate pair
  EXPECT_EQ(base::Utf16ToUtf8(wide), text);
}

TEST(Utf16, MalformedInputBecomesReplacementCharacter) {
  EXPECT_EQ(base::Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(base::Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Ansi, ChineseTakesTwoBytesInCodePage936) {
  const std::string ansi = base::Utf8ToAnsi("宋体A");
  ASSERT_EQ(ansi, "\xCB\xCE\xCC\xE5" "A");
  EXPECT_EQ(base::AnsiToUtf8(ansi), "宋体A");
  EXPECT_EQ(base::AnsiLength("宋体A"), 5u);
}

TEST(Ansi, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(base::Utf8ToAnsi("a\xF0\x9F\x98\x80" "b"), "a?b");
}

struct CutCase {
  const char* text;
  std::size_t maxBytes;
  const char* expected;
};

class CutToAnsiBytes : public testing::TestWithParam<CutCase> {};

TEST_P(CutToAnsiBytes, NeverSplitsADoubleByteCharacter) {
  const CutCase& c = GetParam();
  EXPECT_EQ(base::CutToAnsiBytes(c.text, c.maxBytes), c.expected);
  EXPECT_EQ(base::AnsiToUtf8(base::CutAnsiBytes(base::Utf8ToAnsi(c.text), c.maxBytes)),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutToAnsiBytes,
                         testing::Values(CutCase{"abc", 5, "abc"}, CutCase{"abc", 2, "ab"},
                                         CutCase{"审批表", 4, "审批"},
                                         CutCase{"审批表", 5, "审批"},
                                         CutCase{"a审批", 2, "a"}, CutCase{"a审批", 3, "a审"},
                                         CutCase{"审", 1, ""}, CutCase{"", 0, ""}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ShortString, LengthByteThenAnsiBytes) {
  const unsigned char op[] = {4, 0xCB, 0xCE, 0xCC, 0xE5, 'x', 'y'};  // bytes after length ignored
  EXPECT_EQ(base::ShortStringToText(op), "宋体");
  const unsigned char empty[] = {0, 'z'};
  EXPECT_EQ(base::ShortStringToText(empty), "");
  EXPECT_EQ(base::ShortStringToText(nullptr), "");
}

TEST(ShortString, FullLength255) {
  unsigned char op[256];
  op[0] = 255;
  for (int i = 1; i < 256; ++i) op[i] = 'a' + (i % 26);
  EXPECT_EQ(base::ShortStringToText(op).size(), 255u);
}

TEST(Trim, BlanksAndControlCharacters) {
  EXPECT_EQ(base::Trim(" \t x y \r\n"), "x y");
  EXPECT_EQ(base::Trim("  "), "");
}

}  // namespace
