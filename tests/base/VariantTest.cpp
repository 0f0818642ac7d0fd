#include "base/Variant.h"

#include <gtest/gtest.h>

namespace {

using base::Variant;

TEST(Variant, ConversionsBetweenScalars) {
  EXPECT_EQ(Variant(12).ToText(), "12");
  EXPECT_EQ(Variant(0.1).ToText(), "0.1");
  EXPECT_EQ(Variant(1234.5).ToText(), "1234.5");
  EXPECT_EQ(Variant(true).ToText(), "True");
  EXPECT_EQ(Variant("42").ToInt(), 42);
  EXPECT_DOUBLE_EQ(Variant(" 3.25 ").ToDouble(), 3.25);
  EXPECT_TRUE(Variant("True").ToBool());
  EXPECT_EQ(Variant().ToText(), "");
  EXPECT_EQ(Variant(base::Null{}).ToTextOrEmpty(), "");
}

TEST(Variant, DatesAsDayCounts) {
  EXPECT_EQ(Variant(base::DateTime{0}).ToText(), "1899-12-30");
  EXPECT_EQ(Variant(base::DateTime{46367.5}).ToText(), "2026-12-11 12:00:00");
  EXPECT_DOUBLE_EQ(Variant(base::DateTime{2.25}).ToDouble(), 2.25);
}

TEST(Variant, BadConversionsNameBothTypes) {
  try {
    Variant("abc").ToInt();
    FAIL();
  } catch (const base::VariantError& e) {
    EXPECT_STREQ(e.what(), "Could not convert variant of type (String) into type (Integer)");
  }
  EXPECT_THROW(Variant(base::Null{}).ToText(), base::VariantError);
  EXPECT_THROW(Variant(3e10).ToInt(), base::VariantError);
  EXPECT_THROW(Variant(1).Array(), base::VariantError);
}

TEST(Variant, ArraysKeepTheirBoundsAndCopyOnWrite) {
  Variant a(base::VariantArray{1, {Variant("x"), Variant(2)}});
  EXPECT_EQ(a.Array().lowBound, 1);
  EXPECT_EQ(a.Array().HighBound(), 2);
  Variant b = a;
  b.Array().items[0] = Variant("changed");
  EXPECT_EQ(std::as_const(a).Array().items[0].ToText(), "x");
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(Variant::ArrayOf({Variant(1)}) == Variant::ArrayOf({Variant(1)}));
}

struct Recordset : base::VariantObject {};

TEST(Variant, ObjectsByReference) {
  auto rs = std::make_shared<Recordset>();
  Variant v{std::shared_ptr<base::VariantObject>(rs)};
  EXPECT_EQ(v.ObjectAs<Recordset>(), rs);
  EXPECT_EQ(Variant(1).ObjectAs<Recordset>(), nullptr);
}

}  // namespace
