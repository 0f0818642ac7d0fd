#include "win32/PanelWindow.h"

#include "win32/WideText.h"

namespace win32 {

PanelWindow::PanelWindow(WindowArgs args) {
  args.systemClass = nullptr;
  args.style |= WS_CLIPCHILDREN;
  Create(args);
}

void PanelWindow::SetBevel(Bevel bevel) {
  bevel_ = bevel;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void PanelWindow::OnPaint(HDC dc, const RECT& client) {
  RECT area = client;
  if (bevel_ != Bevel::None) {
    DrawEdge(dc, &area, bevel_ == Bevel::Raised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT);
  }
  const std::wstring caption = Wide(Text());
  if (caption.empty()) return;
  HGDIOBJ old = SelectObject(dc, Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColor());
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
}

}  // namespace win32
