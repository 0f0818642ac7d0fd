#include "ui/GridPainter.h"

#include <algorithm>
#include <string>

#include "data/Dataset.h"
#include "data/Field.h"
#include "ui/DBGrid.h"
#include "ui/GridCanvas.h"

namespace ui {
namespace {

constexpr Color kLineColor = clSilver;
constexpr Color kSelectedColor = clHighlight;
constexpr int kMarkerWidth = 12;

bool IsNumeric(const data::Field* field) {
  if (field == nullptr || field->IsText()) return false;
  const data::FieldType type = field->DataType();
  return type == data::FieldType::Integer || type == data::FieldType::Float;
}

}  // namespace

void GridPainter::Paint() {
  const Size client = grid_.ClientSize();
  canvas_.FillRect({0, 0, client.width, client.height}, grid_.GetColor());
  // Only the columns in sight are drawn: frozen ones, then from LeftCol on while they fit.
  std::vector<std::size_t> shown;
  for (std::size_t column : grid_.VisibleColumns()) {
    const auto span = grid_.ColumnSpan(column);
    if (span && span->first < client.width) shown.push_back(column);
  }
  PaintRows(shown);
  PaintTitles(shown);
  PaintFooters(shown);
}

void GridPainter::PaintTitles(const std::vector<std::size_t>& columns) {
  const int height = grid_.TitleHeight();
  for (std::size_t column : columns) {
    const auto [left, width] = *grid_.ColumnSpan(column);
    const GridColumn& info = grid_.Columns[column];
    const Rect cell{left, 0, width, height};
    canvas_.FillRect(cell, info.titleColor);
    canvas_.DrawButtonFrame(cell);
    Rect text{left + 2, 0, width - 4, height};
    if (info.sortMarker != smNoneEh) {
      text.width -= kMarkerWidth;
      canvas_.DrawSortMarker({left + width - kMarkerWidth - 2, 0, kMarkerWidth, height},
                             info.sortMarker);
    }
    // "|" breaks a title into lines, drawn one under the other.
    const int lines = 1 + static_cast<int>(std::count(info.title.begin(), info.title.end(), '|'));
    const int lineHeight = height / lines;
    std::size_t start = 0;
    for (int line = 0; line < lines; ++line) {
      const std::size_t end = std::min(info.title.find('|', start), info.title.size());
      canvas_.PutText({text.left, line * lineHeight, text.width, lineHeight},
                       std::string_view(info.title).substr(start, end - start), grid_.GetFont(),
                       TextAlign::Center);
      start = end + 1;
    }
  }
}

void GridPainter::PaintRows(const std::vector<std::size_t>& columns) {
  const data::Dataset* dataset = grid_.ActiveDataSet();
  if (dataset == nullptr) return;
  const int rowHeight = grid_.RowHeight();
  const int last = std::min(dataset->RecordCount(), grid_.TopRow() + grid_.VisibleRowCount());
  for (int position = grid_.TopRow(); position < last; ++position) {
    const int top = grid_.TitleHeight() + (position - grid_.TopRow()) * rowHeight;
    for (std::size_t column : columns) {
      const auto [left, width] = *grid_.ColumnSpan(column);
      PaintCell({left, top, width, rowHeight}, position, column);
    }
  }
}

void GridPainter::PaintCell(const Rect& area, int position, std::size_t column) {
  const data::Dataset& dataset = *grid_.ActiveDataSet();
  const GridColumn& info = grid_.Columns[column];
  GridCellParams params;
  params.recNo = position + 1;
  params.row = dataset.RowAt(position);
  params.column = column;
  params.font = grid_.GetFont();
  params.background = info.color;
  params.selected = position == grid_.Row() && column == grid_.Col();
  if (grid_.OnGetCellParams) grid_.OnGetCellParams(const_cast<DBGrid&>(grid_), params);
  if (params.selected) {
    params.background = kSelectedColor;
    params.font.color = clHighlightText;
  }
  canvas_.FillRect(area, params.background);
  const std::string text = grid_.CellText(position, column);
  if (info.checkBox) {
    canvas_.DrawCheckBox(area, text == "1");
  } else {
    const bool right = IsNumeric(grid_.ColumnField(column));
    canvas_.PutText({area.left + 2, area.top, area.width - 4, area.height}, text, params.font,
                     right ? TextAlign::Right : TextAlign::Left);
  }
  const int right = area.left + area.width - 1;
  const int bottom = area.top + area.height - 1;
  canvas_.DrawLine(right, area.top, right, bottom + 1, kLineColor);
  canvas_.DrawLine(area.left, bottom, right + 1, bottom, kLineColor);
}

void GridPainter::PaintFooters(const std::vector<std::size_t>& columns) {
  if (grid_.FooterRowCount <= 0) return;
  const int top = grid_.ClientSize().height - grid_.FooterHeight();
  for (std::size_t column : columns) {
    const auto [left, width] = *grid_.ColumnSpan(column);
    const Rect cell{left, top, width, grid_.FooterHeight()};
    canvas_.FillRect(cell, grid_.FixedColor());
    canvas_.DrawButtonFrame(cell);
    const GridFooter& footer = grid_.Columns[column].footer;
    const bool number = footer.valueType == fvtSum || footer.valueType == fvtAvg ||
                        footer.valueType == fvtCount;
    canvas_.PutText({left + 2, top, width - 4, grid_.RowHeight()}, grid_.FooterText(column),
                     grid_.GetFont(), number ? TextAlign::Right : TextAlign::Left);
  }
}

}  // namespace ui
