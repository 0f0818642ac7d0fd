#include "win32/LabelWindow.h"

namespace win32 {

LabelWindow::LabelWindow(WindowArgs args) {
  args.systemClass = L"STATIC";
  args.style |= SS_NOPREFIX | ((args.style & SS_TYPEMASK) == 0 ? SS_LEFTNOWORDWRAP : 0);
  Create(args);
}

void LabelWindow::SetLayout(Alignment alignment, bool wordWrap) {
  DWORD type = SS_LEFTNOWORDWRAP;
  if (alignment == Alignment::Center) {
    type = SS_CENTER;
  } else if (alignment == Alignment::Right) {
    type = SS_RIGHT;
  } else if (wordWrap) {
    type = SS_LEFT;
  }
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<DWORD>(SS_TYPEMASK)) | type);
  InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace win32
