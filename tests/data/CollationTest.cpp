#include <gtest/gtest.h>

#include "data/Collation.h"

namespace {

using data::CompareAnsi;

TEST(Collation, CodePage936Codes) {
  EXPECT_EQ(data::AnsiCode(U'A'), 'A');
  EXPECT_EQ(data::AnsiCode(U'啊'), 0xB0A1);
  EXPECT_EQ(data::AnsiCode(U'中'), 0xD6D0);
  EXPECT_EQ(data::AnsiCode(U'€'), 0x80);
  EXPECT_EQ(data::AnsiCode(U'😀'), '?');  // not in the code page
}

TEST(Collation, ComparesByAnsiBytes) {
  EXPECT_LT(CompareAnsi("阿", "中"), 0);  // U+963F after U+4E2D, but A2B0 before D6D0
  EXPECT_LT(CompareAnsi("Z", "阿"), 0);
  EXPECT_LT(CompareAnsi("张", "张三"), 0);
  EXPECT_EQ(CompareAnsi("张三", "张三"), 0);
  EXPECT_GT(CompareAnsi("b", "B"), 0);
  EXPECT_EQ(CompareAnsi("b", "B", true), 0);
  EXPECT_LT(CompareAnsi("", "a"), 0);
  EXPECT_GT(CompareAnsi("ab中", "ab张"), 0);  // D6D0 after D5C5
}

TEST(Collation, SortKeysOrderLikeTheComparison) {
  const char* texts[] = {"", "a", "A", "ab", "abcdefgh", "abcdefghi", "中", "中国", "张三丰", "Z", "供应商0001",
                         "供应商0002", "\x7f", "_"};
  const auto sign = [](int value) { return (value > 0) - (value < 0); };
  for (const char* a : texts)
    for (const char* b : texts)
      for (const bool ci : {false, true}) {
        std::string ka, kb;
        data::AppendAnsiSortKey(a, ci, ka);
        data::AppendAnsiSortKey(b, ci, kb);
        EXPECT_EQ(sign(ka.compare(kb)), sign(CompareAnsi(a, b, ci))) << a << " " << b << " " << ci;
      }
  std::string key;
  data::AppendAnsiSortKey("a中", true, key);
  EXPECT_EQ(key, "A\xD6\xD0");
}

TEST(Collation, EqualsIgnoreCase) {
  EXPECT_TRUE(data::EqualsIgnoreCase("F_Gysbm", "f_gysbm"));
  EXPECT_FALSE(data::EqualsIgnoreCase("f_a", "f_b"));
  EXPECT_FALSE(data::EqualsIgnoreCase("f", "ff"));
}

}  // namespace
