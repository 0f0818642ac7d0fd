#pragma once
// win32::HostCallError: a call on the host's automation object that could not be
// made (IDispatch::Invoke failed), with the host's own description when it gave one.
#include "win32/WindowsApi.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace win32 {

class HostCallError : public std::runtime_error {
 public:
  // Describes the failed call of `dispid`; takes the texts out of `exception` (and frees them).
  HostCallError(std::int32_t dispid, HRESULT result, EXCEPINFO& exception);

  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace win32
