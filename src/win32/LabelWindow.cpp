#include "win32/LabelWindow.h"

namespace win32 {

LabelWindow::LabelWindow(WindowArgs args) {
  args.systemClass = L"STATIC";
  args.style |= SS_LEFT | SS_NOPREFIX;
  Create(args);
}

}  // namespace win32
