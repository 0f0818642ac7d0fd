#include "RecordingDispatch.h"

#include "win32/VariantConversion.h"
#include "win32/WideText.h"

namespace win32test {

HRESULT RecordingDispatch::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT RecordingDispatch::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT RecordingDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* exception, UINT*) {
  Call call;
  call.dispid = id;
  call.flags = flags;
  // Automation passes the arguments last first.
  for (UINT i = params->cArgs; i-- > 0;) {
    VARIANT& arg = params->rgvarg[i];
    call.types.push_back(arg.vt);
    call.values.push_back(win32::FromComVariant(arg));
    if ((arg.vt & VT_BYREF) && writeBack) writeBack(params->cArgs - 1 - i, arg);
  }
  calls.push_back(call);
  if (failure != S_OK) {
    if (failure == DISP_E_EXCEPTION && exception != nullptr) {
      exception->bstrDescription = SysAllocString(win32::Wide(failureDescription).c_str());
      exception->bstrSource = SysAllocString(L"RecordingDispatch");
    }
    return failure;
  }
  if (result != nullptr) win32::ToComVariant(answer, *result);
  return S_OK;
}

}  // namespace win32test
