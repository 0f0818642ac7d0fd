#include "db/HostValues.h"

#include <gtest/gtest.h>

#include "data/MemoryRecordset.h"
#include "support/HeadlessTest.h"

namespace {

using base::Variant;

class ShowHostErrorsTest : public HeadlessTest {};

struct ErrorCase {
  const char* name;
  Variant errors;
  const char* heading;
  const char* expected;
};

TEST_F(ShowHostErrorsTest, JoinsTheHostsTextsOnePerLine) {
  const ErrorCase cases[] = {
      {"two texts, no heading", Variant::ArrayOf({Variant("第一行"), Variant("第二行")}), "",
       "第一行\r\n第二行"},
      {"heading first", Variant::ArrayOf({Variant("违反唯一约束")}), "生成失败",
       "生成失败\r\n违反唯一约束"},
      {"not an array", Variant("text"), "", "未知错误！"},
      {"not an array, heading", Variant(), "保存失败", "保存失败\r\n未知错误！"},
      {"unreadable element stops the list",
       Variant::ArrayOf({Variant("a"), Variant(base::Null{}), Variant("c")}), "", "a\r\n未知错误！"},
      {"empty list", Variant::ArrayOf({}), "", ""},
      {"low bound kept", Variant(base::VariantArray{1, {Variant("x"), Variant(2)}}), "", "x\r\n2"},
  };
  for (const ErrorCase& c : cases)
    EXPECT_EQ(db::ShowHostErrors(0, c.errors, c.heading), c.expected) << c.name;
  EXPECT_TRUE(ui_.MessageBoxes().empty());  // owner 0: nothing shown
}

TEST_F(ShowHostErrorsTest, ShowsAnErrorBoxWhenGivenAnOwner) {
  db::ShowHostErrors(0x77, Variant::ArrayOf({Variant("表不存在")}), "");
  ASSERT_EQ(ui_.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui_.MessageBoxes()[0].owner, 0x77u);
  EXPECT_EQ(ui_.MessageBoxes()[0].caption, "错误");
  EXPECT_EQ(ui_.MessageBoxes()[0].text, "表不存在");
  EXPECT_EQ(ui_.MessageBoxes()[0].flags, ui::MB_OK | ui::MB_ICONERROR);
}

std::shared_ptr<data::MemoryRecordset> TwoRows() {
  return std::make_shared<data::MemoryRecordset>(
      std::vector<data::RecordsetField>{{"f_Gysbm", data::adVarChar, 20},
                                        {"f_Ssje", data::adDouble, 0}},
      std::vector<std::vector<Variant>>{{Variant("0101"), Variant(12.5)},
                                        {Variant("O'Brien"), Variant(base::Null{})}});
}

TEST(DetachRecordset, CopiesEveryRowFromTheFirstAndClosesTheSource) {
  auto source = TwoRows();
  source->MoveNext();  // the copy still starts at the first record
  Variant out;
  db::DetachRecordset(*source, out);
  EXPECT_TRUE(source->Closed());
  auto copy = out.ObjectAs<data::MemoryRecordset>();
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, source);
  EXPECT_EQ(copy->Rows(), source->Rows());
  EXPECT_EQ(copy->Fields(), source->Fields());
}

TEST(DetachRecordset, AFailedCopyGivesNullAndStillClosesTheSource) {
  auto source = TwoRows();
  source->Close();  // reading a closed recordset fails
  Variant out("stale");
  db::DetachRecordset(*source, out);
  EXPECT_TRUE(out.IsNull());
}

TEST(RecordsetFromVariant, TakesTheObjectOrRaisesAConversionError) {
  auto source = TwoRows();
  EXPECT_EQ(db::RecordsetFromVariant(Variant(std::shared_ptr<base::VariantObject>(source))), source);
  EXPECT_THROW(db::RecordsetFromVariant(Variant("x")), base::VariantError);
  EXPECT_THROW(db::RecordsetFromVariant(Variant()), base::VariantError);
}

TEST(ListToVariantArray, LinesInOrderFromBoundZero) {
  Variant out;
  db::ListToVariantArray({"delete from a", "insert into b values ('x')", "update c"}, out);
  ASSERT_TRUE(out.IsArray());
  EXPECT_EQ(out.Array().lowBound, 0);
  EXPECT_EQ(out.Array().HighBound(), 2);
  EXPECT_EQ(out.Array().items[1].ToText(), "insert into b values ('x')");
  db::ListToVariantArray({}, out);
  EXPECT_TRUE(out.IsEmpty());
}

}  // namespace
