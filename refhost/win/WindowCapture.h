#pragma once
// The client area of a window, children included, as the screen shows it.
#include <windows.h>

#include "refhost/win/PngWriter.h"

namespace refhost {

// Repaints `window` and its children, then copies its client area.
RgbImage CaptureClient(HWND window);

}  // namespace refhost
