#pragma once
// The portable layers' opaque window handles and the HWNDs they stand for.
#include "win32/WindowsApi.h"

#include <cstdint>

#include "ui/WindowHandle.h"

namespace win32 {

// An HWND as the portable layers carry it.
inline ui::WindowHandle ToHandle(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }
// The HWND behind a portable window handle.
inline HWND ToHwnd(ui::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace win32
