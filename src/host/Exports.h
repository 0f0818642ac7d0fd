#pragma once
// The portable half of the exported functions: what GetFormOne, GetFormImp and
// GetFormExp do once the platform layer has turned their arguments into ours.
#include <memory>
#include <string>

#include "host/HostDispatch.h"
#include "host/OpenScreen.h"
#include "ui/WindowHandle.h"

namespace host {

// Stores the host context and opens a new screen of `kind` inside `hostPanel`.
// Never throws: a failure while creating the screen is shown to the user.
void OpenScreen(ScreenKind kind, ui::WindowHandle hostWindow, std::string operatorText,
                ui::WindowHandle hostPanel, std::shared_ptr<HostDispatch> service);

// Drops the host context and the screens' references; called when the library unloads.
void ReleaseHostContext();

}  // namespace host
