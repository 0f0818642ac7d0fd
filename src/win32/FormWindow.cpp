#include "win32/FormWindow.h"

namespace win32 {

FormWindow::FormWindow(WindowArgs args) {
  args.systemClass = nullptr;
  args.style |= WS_CLIPCHILDREN;
  Create(args);
}

bool FormWindow::OnClose() {
  if (onClose) onClose();
  return true;
}

bool FormWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && Window::FromHandle(reinterpret_cast<HWND>(lParam)) == nullptr) {
    const int id = LOWORD(wParam);
    if ((id == IDOK || id == IDCANCEL) && onDialogCommand) {
      onDialogCommand(id);
      return true;
    }
    return false;
  }
  // Private messages only: WM_USER up to the registered-message range.
  if (message >= WM_USER && message < 0xC000 && onAppMessage) {
    result = 0;
    return onAppMessage(message, wParam, lParam);
  }
  return false;
}

}  // namespace win32
