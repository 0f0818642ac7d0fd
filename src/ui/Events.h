#pragma once
// The exception boundary of every event: an unexpected error inside a handler is
// shown in a message box with caption "错误" and goes no further, so that nothing
// escapes into the host's message loop and nothing is swallowed silently.
#include <functional>

#include "ui/WindowHandle.h"

namespace ui {

// Runs `handler`; an exception is shown in an error box owned by `owner`. Returns
// false when the handler failed.
bool RunGuarded(WindowHandle owner, const std::function<void()>& handler);

}  // namespace ui
