#pragma once
// ui::GridPainter: draws a DBGrid on a GridCanvas: the title row with its sort
// markers, the data rows that are in sight (and no others), and the footer rows.
// Frozen columns are drawn at the left; the others from the grid's LeftCol.
#include <cstddef>
#include <vector>

namespace ui {

class DBGrid;
class GridCanvas;
struct Rect;

class GridPainter {
 public:
  GridPainter(const DBGrid& grid, GridCanvas& canvas) : grid_(grid), canvas_(canvas) {}

  // Draws the whole client area.
  void Paint();

 private:
  void PaintTitles(const std::vector<std::size_t>& columns);
  void PaintRows(const std::vector<std::size_t>& columns);
  void PaintFooters(const std::vector<std::size_t>& columns);
  void PaintCell(const Rect& area, int position, std::size_t column);

  const DBGrid& grid_;
  GridCanvas& canvas_;
};

}  // namespace ui
