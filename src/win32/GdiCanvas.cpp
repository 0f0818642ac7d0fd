#include "win32/GdiCanvas.h"

#include <algorithm>

#include "win32/WideText.h"

namespace win32 {
namespace {

RECT ToRect(const ui::Rect& area) {
  return {area.left, area.top, area.left + area.width, area.top + area.height};
}

}  // namespace

void GdiCanvas::FillRect(const ui::Rect& area, ui::Color color) {
  const RECT rect = ToRect(area);
  SetDCBrushColor(dc_, ToColorRef(color));
  ::FillRect(dc_, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::PutText(const ui::Rect& area, std::string_view utf8, const ui::Font& font,
                         ui::TextAlign align) {
  if (utf8.empty() || area.width <= 0) return;
  RECT rect = ToRect(area);
  const std::wstring text = Wide(std::string(utf8));
  HGDIOBJ old = SelectObject(dc_, fonts_.Get(font));
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, ToColorRef(font.color));
  const UINT horizontal = align == ui::TextAlign::Right    ? DT_RIGHT
                          : align == ui::TextAlign::Center ? DT_CENTER
                                                           : DT_LEFT;
  ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect,
              horizontal | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc_, old);
}

void GdiCanvas::DrawLine(int x1, int y1, int x2, int y2, ui::Color color) {
  HGDIOBJ old = SelectObject(dc_, GetStockObject(DC_PEN));
  SetDCPenColor(dc_, ToColorRef(color));
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);
  SelectObject(dc_, old);
}

void GdiCanvas::DrawButtonFrame(const ui::Rect& area) {
  RECT rect = ToRect(area);
  DrawEdge(dc_, &rect, BDR_RAISEDINNER, BF_RECT);
}

void GdiCanvas::DrawCheckBox(const ui::Rect& area, bool checked) {
  const int side = std::min({13, area.width - 2, area.height - 2});
  if (side <= 0) return;
  RECT box{area.left + (area.width - side) / 2, area.top + (area.height - side) / 2, 0, 0};
  box.right = box.left + side;
  box.bottom = box.top + side;
  DrawFrameControl(dc_, &box, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
}

// The up marker (ascending) points up, the down marker down.
void GdiCanvas::DrawSortMarker(const ui::Rect& area, ui::TSortMarkerEh marker) {
  if (marker == ui::smNoneEh) return;
  const int cx = area.left + area.width / 2;
  const int cy = area.top + area.height / 2;
  const int tip = marker == ui::smUpEh ? -3 : 3;
  const POINT points[3] = {{cx - 4, cy - tip}, {cx + 4, cy - tip}, {cx, cy + tip}};
  HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(DC_BRUSH));
  HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(DC_PEN));
  SetDCBrushColor(dc_, GetSysColor(COLOR_BTNSHADOW));
  SetDCPenColor(dc_, GetSysColor(COLOR_BTNSHADOW));
  Polygon(dc_, points, 3);
  SelectObject(dc_, oldPen);
  SelectObject(dc_, oldBrush);
}

}  // namespace win32
