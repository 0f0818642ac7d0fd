#include "win32/CheckBoxWindow.h"

namespace win32 {

CheckBoxWindow::CheckBoxWindow(WindowArgs args) {
  args.systemClass = L"BUTTON";
  args.style |= WS_TABSTOP | BS_CHECKBOX;
  Create(args);
}

void CheckBoxWindow::SetChecked(bool checked) {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBoxWindow::Checked() const {
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool CheckBoxWindow::OnCommand(WORD notification) {
  if (notification != BN_CLICKED || !onClick) return false;
  onClick();
  return true;
}

}  // namespace win32
