#pragma once
// RecordingDispatch: an IDispatch for tests. It records each Invoke (dispatch id,
// flags, arguments in the order the caller declared them), answers with a set
// result or failure, and can write new values into by-reference arguments.
#include "win32/WindowsApi.h"

#include <functional>
#include <string>
#include <vector>

#include "base/Variant.h"

namespace win32test {

class RecordingDispatch final : public IDispatch {
 public:
  struct Call {
    DISPID dispid = 0;
    WORD flags = 0;
    std::vector<VARTYPE> types;          // each argument's VARIANT type, as passed
    std::vector<base::Variant> values;   // each argument's value (by-reference followed)
  };

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override;

  // Lives on the test's stack: the count is checked, never used to free.
  ULONG references = 1;
  std::vector<Call> calls;
  // The answer of every call.
  base::Variant answer = true;
  // Non-zero: Invoke fails with this result and, for DISP_E_EXCEPTION, this description.
  HRESULT failure = S_OK;
  std::string failureDescription;
  // Called with the declared-order index and the VARIANT of each by-reference argument.
  std::function<void(std::size_t, VARIANT&)> writeBack;
};

}  // namespace win32test
