#include "refhost/win/NullDataService.h"

#include <oleauto.h>

namespace refhost {

HRESULT NullDataService::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG NullDataService::AddRef() { return ++references_; }

ULONG NullDataService::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT NullDataService::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT NullDataService::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT NullDataService::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
  for (UINT i = 0; ids != nullptr && i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT NullDataService::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                EXCEPINFO*, UINT*) {
  ++calls_;
  if (result != nullptr) {
    VariantInit(result);
    result->vt = VT_BOOL;
    result->boolVal = VARIANT_FALSE;
  }
  return S_OK;
}

}  // namespace refhost
