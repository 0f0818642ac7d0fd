#include "win32/AnimateWindow.h"

#include <commctrl.h>

#include "win32/WideText.h"

namespace win32 {

AnimateWindow::AnimateWindow(WindowArgs args) {
  args.systemClass = ANIMATE_CLASSW;
  args.style |= ACS_TRANSPARENT | ACS_CENTER;
  args.text.clear();
  Create(args);
}

void AnimateWindow::Open(const std::string& fileName, int resource) {
  if (!fileName.empty()) {
    const std::wstring path = Wide(fileName);
    SendMessageW(Handle(), ACM_OPENW, 0, reinterpret_cast<LPARAM>(path.c_str()));
  } else if (resource != 0) {
    SendMessageW(Handle(), ACM_OPENW, reinterpret_cast<WPARAM>(GetModuleHandleW(L"shell32.dll")),
                 reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(resource)));
  } else {
    SendMessageW(Handle(), ACM_OPENW, 0, 0);
  }
}

void AnimateWindow::Run(bool active, int stopFrame) {
  if (active) {
    SendMessageW(Handle(), ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
  } else {
    SendMessageW(Handle(), ACM_STOP, 0, 0);
    SendMessageW(Handle(), ACM_PLAY, 1, MAKELONG(stopFrame, stopFrame));
  }
}

}  // namespace win32
