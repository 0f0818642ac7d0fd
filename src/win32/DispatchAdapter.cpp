// Arguments go to IDispatch::Invoke in reverse order, as automation wants them.
// By-reference arguments are passed as VT_BYREF | VT_VARIANT pointing at a VARIANT
// we own, so the host may replace the value (clearing what was there) and we read
// its answer back afterwards.
#include "win32/DispatchAdapter.h"

#include <vector>

#include "win32/HostCallError.h"
#include "win32/ScopedVariant.h"
#include "win32/VariantConversion.h"

namespace win32 {

DispatchAdapter::DispatchAdapter(IDispatch* dispatch) : dispatch_(dispatch) {
  dispatch_->AddRef();
}

DispatchAdapter::~DispatchAdapter() { dispatch_->Release(); }

base::Variant DispatchAdapter::Invoke(std::int32_t dispid, std::span<host::HostArg> args) {
  const std::size_t count = args.size();
  std::vector<ScopedVariant> values(count);
  std::vector<VARIANT> params(count);
  for (std::size_t i = 0; i < count; ++i) {
    ToComVariant(args[i].value, *values[i].get());
    VARIANT& param = params[count - 1 - i];
    if (args[i].byRef) {
      VariantInit(&param);
      param.vt = VT_BYREF | VT_VARIANT;
      param.pvarVal = values[i].get();
    } else {
      param = values[i].value();  // a shallow copy: `values` keeps ownership
    }
  }
  DISPPARAMS call{params.data(), nullptr, static_cast<UINT>(count), 0};
  ScopedVariant result;
  EXCEPINFO exception{};
  UINT badArgument = 0;
  const HRESULT hr = dispatch_->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                       &call, result.get(), &exception, &badArgument);
  if (FAILED(hr)) throw HostCallError(dispid, hr, exception);
  for (std::size_t i = 0; i < count; ++i) {
    if (args[i].byRef) args[i].value = FromComVariant(values[i].value());
  }
  return FromComVariant(result.value());
}

}  // namespace win32
