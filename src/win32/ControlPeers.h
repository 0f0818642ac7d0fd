#pragma once
// The Win32 peer of any control of the model: each kind of control gets its window
// wrapper, with the wrapper's events wired to the control's own actions (Click,
// Toggle, SetText, Choose) so that they run behind the model's event boundary.
#include <memory>

#include "ui/Backend.h"
#include "ui/Control.h"
#include "win32/FontCache.h"

namespace win32 {

// Creates the window of `control` (its parent's window exists already).
std::unique_ptr<ui::ControlPeer> MakeControlPeer(ui::Control& control, FontCache& fonts);

}  // namespace win32
