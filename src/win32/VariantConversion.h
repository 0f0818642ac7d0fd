#pragma once
// base::Variant to and from the automation VARIANT the host's IDispatch exchanges.
// Scalars, text (BSTR) and by-reference VARIANTs cross today; byte arrays, arrays and
// objects (SAFEARRAYs, IDispatch) raise base::VariantError until they are needed.
#include "win32/WindowsApi.h"

#include "base/Variant.h"

namespace win32 {

// Fills `out` (initialised and empty) with `value`; the caller clears `out`.
void ToComVariant(const base::Variant& value, VARIANT& out);
// The value of `in`, following VT_BYREF; throws base::VariantError for types the
// library does not take from the host.
base::Variant FromComVariant(const VARIANT& in);

}  // namespace win32
