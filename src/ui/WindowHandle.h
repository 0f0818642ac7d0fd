#pragma once
// A platform window handle, opaque above the platform layer (an HWND on Windows).
#include <cstdint>

namespace ui {

using WindowHandle = std::uintptr_t;

}  // namespace ui
