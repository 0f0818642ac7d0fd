// VARIANT conversions. Containers (byte arrays, arrays, objects) are converted in
// their own functions below the scalar switch, so that SAFEARRAY and IDispatch
// support slots in there without touching the scalar paths.
#include "win32/VariantConversion.h"

#include <cstdint>
#include <string>

#include "win32/WideText.h"

namespace win32 {
namespace {

[[noreturn]] void Unsupported(const std::string& what) {
  throw base::VariantError(what + " cannot cross the host boundary yet");
}

void ContainerToComVariant(const base::Variant& value, VARIANT&) {
  Unsupported(std::string("a Variant of type ") + value.TypeName());
}

base::Variant ContainerFromComVariant(VARTYPE type) {
  Unsupported("a VARIANT of type " + std::to_string(type));
}

BSTR AllocBstr(const std::string& utf8) {
  const std::wstring wide = Wide(utf8);
  BSTR text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (text == nullptr) throw std::bad_alloc();
  return text;
}

std::string BstrText(BSTR text) {
  if (text == nullptr) return {};
  return Utf8(std::wstring_view(text, SysStringLen(text)));
}

// Integer types wider than 32 bits or unsigned beyond INT32_MAX become doubles, so
// that no value is cut short.
base::Variant FromInteger(std::int64_t value) {
  if (value >= INT32_MIN && value <= INT32_MAX) return base::Variant(static_cast<int>(value));
  return base::Variant(static_cast<double>(value));
}

}  // namespace

void ToComVariant(const base::Variant& value, VARIANT& out) {
  using Type = base::Variant::Type;
  switch (value.GetType()) {
    case Type::Empty:
      out.vt = VT_EMPTY;
      return;
    case Type::Null:
      out.vt = VT_NULL;
      return;
    case Type::Bool:
      out.vt = VT_BOOL;
      out.boolVal = value.ToBool() ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case Type::Int:
      out.vt = VT_I4;
      out.lVal = value.ToInt();
      return;
    case Type::Double:
      out.vt = VT_R8;
      out.dblVal = value.ToDouble();
      return;
    case Type::Date:
      out.vt = VT_DATE;
      out.date = value.ToDateTime().days;
      return;
    case Type::Text:
      out.bstrVal = AllocBstr(value.ToText());
      out.vt = VT_BSTR;
      return;
    case Type::Bytes:
    case Type::Array:
    case Type::Object:
      ContainerToComVariant(value, out);
      return;
  }
}

base::Variant FromComVariant(const VARIANT& in) {
  if (in.vt == (VT_BYREF | VT_VARIANT)) {
    if (in.pvarVal == nullptr) return {};
    return FromComVariant(*in.pvarVal);
  }
  const bool byRef = (in.vt & VT_BYREF) != 0;
  const VARTYPE type = in.vt & ~VT_BYREF;
  // A by-reference scalar reads through its pointer; the union member names differ.
  const auto pick = [byRef](auto direct, auto* pointer) { return byRef ? *pointer : direct; };
  switch (type) {
    case VT_EMPTY:
      return {};
    case VT_NULL:
      return base::Variant(base::Null{});
    case VT_BOOL:
      return base::Variant(pick(in.boolVal, in.pboolVal) != VARIANT_FALSE);
    case VT_I1:
      return FromInteger(pick(in.cVal, in.pcVal));
    case VT_UI1:
      return FromInteger(pick(in.bVal, in.pbVal));
    case VT_I2:
      return FromInteger(pick(in.iVal, in.piVal));
    case VT_UI2:
      return FromInteger(pick(in.uiVal, in.puiVal));
    case VT_I4:
      return FromInteger(pick(in.lVal, in.plVal));
    case VT_UI4:
      return FromInteger(pick(in.ulVal, in.pulVal));
    case VT_INT:
      return FromInteger(pick(in.intVal, in.pintVal));
    case VT_UINT:
      return FromInteger(pick(in.uintVal, in.puintVal));
    case VT_I8:
      return FromInteger(pick(in.llVal, in.pllVal));
    case VT_UI8:
      return base::Variant(static_cast<double>(pick(in.ullVal, in.pullVal)));
    case VT_R4:
      return base::Variant(static_cast<double>(pick(in.fltVal, in.pfltVal)));
    case VT_R8:
      return base::Variant(pick(in.dblVal, in.pdblVal));
    case VT_CY:
      return base::Variant(static_cast<double>(pick(in.cyVal, in.pcyVal).int64) / 10000.0);
    case VT_DECIMAL: {
      double number = 0;
      DECIMAL decimal = byRef ? *in.pdecVal : in.decVal;
      if (FAILED(VarR8FromDec(&decimal, &number))) Unsupported("a decimal out of range");
      return base::Variant(number);
    }
    case VT_DATE:
      return base::Variant(base::DateTime{pick(in.date, in.pdate)});
    case VT_BSTR:
      return base::Variant(BstrText(pick(in.bstrVal, in.pbstrVal)));
    default:
      return ContainerFromComVariant(in.vt);
  }
}

}  // namespace win32
