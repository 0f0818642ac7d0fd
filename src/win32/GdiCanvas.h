#pragma once
// win32::GdiCanvas: the grid's drawing calls done with GDI on a device context.
#include "win32/WindowsApi.h"

#include "ui/GridCanvas.h"
#include "win32/FontCache.h"

namespace win32 {

class GdiCanvas : public ui::GridCanvas {
 public:
  GdiCanvas(HDC dc, FontCache& fonts) : dc_(dc), fonts_(fonts) {}

  void FillRect(const ui::Rect& area, ui::Color color) override;
  void PutText(const ui::Rect& area, std::string_view utf8, const ui::Font& font,
                ui::TextAlign align) override;
  void DrawLine(int x1, int y1, int x2, int y2, ui::Color color) override;
  void DrawButtonFrame(const ui::Rect& area) override;
  void DrawCheckBox(const ui::Rect& area, bool checked) override;
  void DrawSortMarker(const ui::Rect& area, ui::TSortMarkerEh marker) override;

 private:
  HDC dc_;
  FontCache& fonts_;
};

}  // namespace win32
