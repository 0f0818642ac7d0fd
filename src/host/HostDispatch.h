#pragma once
// host::HostDispatch: the host's automation object as the library sees it. Every
// read and write of the screens is a call on it by dispatch id; the Windows
// adapter forwards to IDispatch::Invoke, the tests call the reference host
// in-process.
#include <cstdint>
#include <span>

#include "base/Variant.h"

namespace host {

// One argument of a host call; byRef arguments are written back by the host.
struct HostArg {
  base::Variant value;
  bool byRef = false;
};

class HostDispatch {
 public:
  virtual ~HostDispatch() = default;

  // Calls method `dispid` with `args` in declaration order and returns its result
  // (a WordBool for every data-service method). By-reference arguments hold the
  // host's values afterwards. Throws when the call itself cannot be made.
  virtual base::Variant Invoke(std::int32_t dispid, std::span<HostArg> args) = 0;
};

}  // namespace host
