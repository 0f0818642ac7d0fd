#pragma once
// NullDataService: the host data service until the database-backed one is wired
// in: a counted IDispatch that answers every call with false and names no members.
// It counts its references and calls so that a test can see what the library holds.
#include <windows.h>
#include <oaidl.h>

namespace refhost {

class NullDataService final : public IDispatch {
 public:
  // Starts with one reference, the creator's.
  NullDataService() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override;

  // References held right now, the creator's included.
  ULONG References() const { return references_; }
  // Calls made through Invoke so far.
  int Calls() const { return calls_; }

 private:
  ~NullDataService() = default;

  ULONG references_ = 1;
  int calls_ = 0;
};

}  // namespace refhost
