#pragma once
// win32::ScopedVariant: an automation VARIANT that clears itself (frees its BSTR,
// releases its interface) when it goes out of scope.
#include "win32/WindowsApi.h"

namespace win32 {

class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;

  // The VARIANT itself, to be filled by a call or read.
  VARIANT* get() { return &value_; }
  const VARIANT& value() const { return value_; }

 private:
  VARIANT value_;
};

}  // namespace win32
