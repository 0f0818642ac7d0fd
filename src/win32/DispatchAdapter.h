#pragma once
// win32::DispatchAdapter: the host's IDispatch as a host::HostDispatch. It holds a
// counted reference (AddRef on construction, Release on destruction) and calls
// methods by dispatch id through IDispatch::Invoke.
#include "win32/WindowsApi.h"

#include <cstdint>
#include <span>

#include "host/HostDispatch.h"

namespace win32 {

class DispatchAdapter : public host::HostDispatch {
 public:
  // Takes a reference to `dispatch` (which must not be null).
  explicit DispatchAdapter(IDispatch* dispatch);
  ~DispatchAdapter() override;
  DispatchAdapter(const DispatchAdapter&) = delete;
  DispatchAdapter& operator=(const DispatchAdapter&) = delete;

  // Calls method `dispid`; throws HostCallError when Invoke fails.
  base::Variant Invoke(std::int32_t dispid, std::span<host::HostArg> args) override;

 private:
  IDispatch* dispatch_;
};

}  // namespace win32
