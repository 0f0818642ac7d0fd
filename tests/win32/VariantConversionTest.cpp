#include "win32/VariantConversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "win32/ScopedVariant.h"

namespace {

struct ToComCase {
  const char* name;
  base::Variant value;
  VARTYPE type;
};

class ToComVariantTest : public ::testing::TestWithParam<ToComCase> {};

TEST_P(ToComVariantTest, TakesTheAutomationTypeAndComesBackUnchanged) {
  const ToComCase& c = GetParam();
  win32::ScopedVariant com;
  win32::ToComVariant(c.value, *com.get());
  EXPECT_EQ(com.value().vt, c.type);
  EXPECT_EQ(win32::FromComVariant(com.value()), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Scalars, ToComVariantTest,
    ::testing::Values(ToComCase{"Empty", base::Variant(), VT_EMPTY},
                      ToComCase{"Null", base::Variant(base::Null{}), VT_NULL},
                      ToComCase{"True", base::Variant(true), VT_BOOL},
                      ToComCase{"False", base::Variant(false), VT_BOOL},
                      ToComCase{"IntMin", base::Variant(INT32_MIN), VT_I4},
                      ToComCase{"IntMax", base::Variant(INT32_MAX), VT_I4},
                      ToComCase{"Double", base::Variant(-1234.5625), VT_R8},
                      ToComCase{"Date", base::Variant(base::DateTime{45292.75}), VT_DATE},
                      ToComCase{"EmptyText", base::Variant(""), VT_BSTR},
                      ToComCase{"ChineseText", base::Variant("审批表 'a' \"b\""), VT_BSTR},
                      ToComCase{"SupplementaryText", base::Variant("x\xF0\x9F\x98\x80y"),
                                VT_BSTR}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToComVariant, TrueIsMinusOneAndTextIsUtf16) {
  win32::ScopedVariant flag, text;
  win32::ToComVariant(base::Variant(true), *flag.get());
  win32::ToComVariant(base::Variant("宋体"), *text.get());
  EXPECT_EQ(flag.value().boolVal, VARIANT_TRUE);
  ASSERT_EQ(SysStringLen(text.value().bstrVal), 2u);
  EXPECT_EQ(text.value().bstrVal[0], L'\u5B8B');
}

TEST(ToComVariant, ContainersAreRefusedForNow) {
  for (const base::Variant& value :
       {base::Variant(std::vector<std::uint8_t>{1, 2}), base::Variant::ArrayOf({1, 2})}) {
    win32::ScopedVariant com;
    EXPECT_THROW(win32::ToComVariant(value, *com.get()), base::VariantError) << value.TypeName();
  }
}

struct FromComCase {
  const char* name;
  VARIANT com;
  base::Variant expected;
};

VARIANT Com(VARTYPE type, auto assign) {
  VARIANT v;
  VariantInit(&v);
  v.vt = type;
  assign(v);
  return v;
}

class FromComVariantTest : public ::testing::TestWithParam<FromComCase> {};

TEST_P(FromComVariantTest, GivesTheValueWithoutLoss) {
  EXPECT_EQ(win32::FromComVariant(GetParam().com), GetParam().expected);
}

LONG g_int = 77;
double g_double = 0.125;
VARIANT g_inner = Com(VT_I2, [](VARIANT& v) { v.iVal = -5; });

INSTANTIATE_TEST_SUITE_P(
    HostTypes, FromComVariantTest,
    ::testing::Values(
        FromComCase{"I2", Com(VT_I2, [](VARIANT& v) { v.iVal = -300; }), base::Variant(-300)},
        FromComCase{"UI1", Com(VT_UI1, [](VARIANT& v) { v.bVal = 200; }), base::Variant(200)},
        FromComCase{"UI4Large", Com(VT_UI4, [](VARIANT& v) { v.ulVal = 0xFFFFFFFFu; }),
                    base::Variant(4294967295.0)},
        FromComCase{"I8Small", Com(VT_I8, [](VARIANT& v) { v.llVal = -42; }), base::Variant(-42)},
        FromComCase{"I8Large", Com(VT_I8, [](VARIANT& v) { v.llVal = 10000000000LL; }),
                    base::Variant(1e10)},
        FromComCase{"R4", Com(VT_R4, [](VARIANT& v) { v.fltVal = 1.5f; }), base::Variant(1.5)},
        FromComCase{"Currency", Com(VT_CY, [](VARIANT& v) { v.cyVal.int64 = 12345678; }),
                    base::Variant(1234.5678)},
        FromComCase{"Decimal",
                    Com(VT_DECIMAL, [](VARIANT& v) { VarDecFromR8(-2.5, &v.decVal); }),
                    base::Variant(-2.5)},
        FromComCase{"NullBstr", Com(VT_BSTR, [](VARIANT& v) { v.bstrVal = nullptr; }),
                    base::Variant("")},
        FromComCase{"ByRefI4", Com(VT_I4 | VT_BYREF, [](VARIANT& v) { v.plVal = &g_int; }),
                    base::Variant(77)},
        FromComCase{"ByRefR8", Com(VT_R8 | VT_BYREF, [](VARIANT& v) { v.pdblVal = &g_double; }),
                    base::Variant(0.125)},
        FromComCase{"ByRefVariant",
                    Com(VT_VARIANT | VT_BYREF, [](VARIANT& v) { v.pvarVal = &g_inner; }),
                    base::Variant(-5)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FromComVariant, ObjectsAndArraysAreRefusedForNow) {
  SAFEARRAY* bytes = SafeArrayCreateVector(VT_UI1, 0, 2);
  const VARIANT array = Com(VT_ARRAY | VT_UI1, [&](VARIANT& v) { v.parray = bytes; });
  const VARIANT object = Com(VT_DISPATCH, [](VARIANT& v) { v.pdispVal = nullptr; });
  EXPECT_THROW(win32::FromComVariant(array), base::VariantError);
  EXPECT_THROW(win32::FromComVariant(object), base::VariantError);
  SafeArrayDestroy(bytes);
}

}  // namespace
