#include "win32/ButtonWindow.h"

namespace win32 {

ButtonWindow::ButtonWindow(WindowArgs args, bool flat) {
  args.systemClass = L"BUTTON";
  args.style |= WS_TABSTOP | BS_PUSHBUTTON | (flat ? BS_FLAT : 0);
  Create(args);
}

void ButtonWindow::SetDefault(bool isDefault) {
  SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool ButtonWindow::OnCommand(WORD notification) {
  if (notification != BN_CLICKED || !onClick) return false;
  onClick();
  return true;
}

}  // namespace win32
