#include "host/HostContext.h"

namespace host {

HostContext& Context() {
  static HostContext context;
  return context;
}

}  // namespace host
