#pragma once
// The host context: what the exported functions store for the screens. Every call
// replaces it; the earlier service reference is released by the replacement.
#include <memory>
#include <string>

#include "host/HostDispatch.h"
#include "ui/WindowHandle.h"

namespace host {

struct HostContext {
  ui::WindowHandle hostWindow = 0;
  std::shared_ptr<HostDispatch> service;  // library-wide reference
  std::string operatorText;

  // The screen modules' own references, filled by the export that opens them.
  std::shared_ptr<HostDispatch> fldAutoHistoryService;  // generation history
  std::shared_ptr<HostDispatch> itemMappingService;     // item mapping dialog
  std::shared_ptr<HostDispatch> importService;          // batch import screen
  std::shared_ptr<HostDispatch> exportHistoryService;   // payment generation history
};

// The library's one host context (one user-interface thread: no lock).
HostContext& Context();

}  // namespace host
