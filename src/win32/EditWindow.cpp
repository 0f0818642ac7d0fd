#include "win32/EditWindow.h"

namespace win32 {

EditWindow::EditWindow(WindowArgs args) {
  args.systemClass = L"EDIT";
  args.style |= WS_TABSTOP | ES_AUTOHSCROLL;
  args.exStyle |= WS_EX_CLIENTEDGE;
  Create(args);
}

void EditWindow::SetReadOnly(bool readOnly) {
  SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

bool EditWindow::OnCommand(WORD notification) {
  if (notification != EN_CHANGE || SettingText() || !onTextChanged) return false;
  onTextChanged(Text());
  return true;
}

}  // namespace win32
