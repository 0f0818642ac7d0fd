#pragma once
// ui::GridCanvas: what a grid draws on. The Win32 side draws with GDI; tests and
// benchmarks record or discard the calls, so painting is measurable without a window.
#include <string_view>

#include "ui/GridColumn.h"
#include "ui/Types.h"

namespace ui {

enum class TextAlign { Left, Center, Right };

class GridCanvas {
 public:
  virtual ~GridCanvas() = default;
  // Fills a rectangle with a colour.
  virtual void FillRect(const Rect& area, Color color) = 0;
  // Writes one line of text clipped to `area`, vertically centred, in `font`.
  virtual void PutText(const Rect& area, std::string_view utf8, const Font& font,
                        TextAlign align) = 0;
  // Draws a line from (x1, y1) to (x2, y2), the end point excluded.
  virtual void DrawLine(int x1, int y1, int x2, int y2, Color color) = 0;
  // Draws a raised button frame inside `area` (title and footer cells).
  virtual void DrawButtonFrame(const Rect& area) = 0;
  // Draws a tick box centred in `area`.
  virtual void DrawCheckBox(const Rect& area, bool checked) = 0;
  // Draws a sort arrow centred in `area`.
  virtual void DrawSortMarker(const Rect& area, TSortMarkerEh marker) = 0;
};

}  // namespace ui
