#include "win32/DropDownWindow.h"

#include "win32/WideText.h"

namespace win32 {

DropDownWindow::DropDownWindow(WindowArgs args) {
  args.systemClass = L"COMBOBOX";
  args.style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
  Create(args);
}

void DropDownWindow::SetItems(const std::vector<std::string>& items) {
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  }
}

void DropDownWindow::SetSelection(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DropDownWindow::Selection() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

int DropDownWindow::ListHeight(int visibleItems) const {
  const auto itemHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
  return (itemHeight > 0 ? itemHeight : 16) * visibleItems + 2;
}

bool DropDownWindow::OnCommand(WORD notification) {
  if (notification != CBN_SELCHANGE || !onSelectionChanged) return false;
  onSelectionChanged(Selection());
  return true;
}

}  // namespace win32
