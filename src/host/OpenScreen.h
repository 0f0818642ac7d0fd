#pragma once
// The steps every exported function takes to embed a screen in the host's panel.
#include <functional>
#include <memory>
#include <string>

#include "host/FrmBase.h"
#include "host/HostDispatch.h"

namespace host {

// The three screens; each fills its own module references besides the library-wide one.
enum class ScreenKind { FldAuto, Import, Export };

// Stores the host context, creates the screen with `create` (which runs its
// creation handler), re-parents it into `hostPanel`, sizes its main panel to the
// panel and shows it. Returns the screen (freed by itself when closed).
TFrmBase* EmbedScreen(ScreenKind kind, ui::WindowHandle hostWindow, std::string operatorText,
                      ui::WindowHandle hostPanel, std::shared_ptr<HostDispatch> service,
                      const std::function<TFrmBase*()>& create);

}  // namespace host
