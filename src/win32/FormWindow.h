#pragma once
// win32::FormWindow: the window of a form, of our own class named after the form's
// class ("TFrmFldAuto"). A close request (WM_CLOSE) goes to onClose and never
// destroys the window by itself: the form decides. Messages from WM_USER up (the
// host's 0x402) go to onAppMessage; Enter and Esc from the dialog keyboard
// interface arrive as onDialogCommand(IDOK / IDCANCEL).
#include <functional>

#include "win32/Window.h"

namespace win32 {

class FormWindow : public Window {
 public:
  // `args.style` decides: WS_CHILD for a form embedded in another window, else a
  // top-level window owned by `args.parent`.
  explicit FormWindow(WindowArgs args);

  std::function<void()> onClose;
  // Returns true when the message was handled.
  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)> onAppMessage;
  std::function<void(int id)> onDialogCommand;

 protected:
  bool OnClose() override;
  bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace win32
