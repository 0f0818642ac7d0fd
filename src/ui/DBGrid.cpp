#include "ui/DBGrid.h"

#include <algorithm>
#include <cstdlib>

#include "data/Dataset.h"
#include "data/DisplayFormat.h"
#include "data/Field.h"
#include "ui/GridPainter.h"

namespace ui {
namespace {

int TitleLines(const std::string& title) {
  return 1 + static_cast<int>(std::count(title.begin(), title.end(), '|'));
}

// Width of a column made from a field: about one character per byte of its size.
int WidthOfField(const data::Field& field) {
  const int chars = field.Size() > 0 ? std::clamp(field.Size(), 4, 30) : 10;
  return chars * 7 + 4;
}

}  // namespace

DBGrid::DBGrid(Component* owner, std::string className) : Control(owner, std::move(className)) {
  SetBounds(0, 0, 320, 120);
  SetColor(clWindow);
}

DBGrid::~DBGrid() {
  if (source_ != nullptr) source_->RemoveObserver(this);
}

void DBGrid::SetDataSource(data::DataSource* source) {
  if (source == source_) return;
  const bool wasActive = ActiveDataSet() != nullptr;
  if (source_ != nullptr) source_->RemoveObserver(this);
  source_ = source;
  if (source_ != nullptr) source_->AddObserver(this);
  if (wasActive) LinkActive(false);
  if (ActiveDataSet() != nullptr) LinkActive(true);
  RowsChanged();
}

data::Dataset* DBGrid::DataSet() const { return source_ ? source_->DataSet() : nullptr; }

data::Dataset* DBGrid::ActiveDataSet() const {
  data::Dataset* dataset = DataSet();
  return dataset != nullptr && dataset->Active() ? dataset : nullptr;
}

data::Field* DBGrid::ColumnField(std::size_t column) const {
  data::Dataset* dataset = DataSet();
  if (dataset == nullptr || column >= Columns.Count()) return nullptr;
  return dataset->FindField(Columns[column].fieldName);
}

// ---- Layout ---------------------------------------------------------------------

Size DBGrid::ClientSize() const { return viewSize_ ? *viewSize_ : Control::ClientSize(); }

void DBGrid::SetViewSize(Size size) {
  if (viewSize_ == size) return;
  viewSize_ = size;
  ScrollIntoView();
  ViewMoved();
}

int DBGrid::RowHeight() const { return std::abs(GetFont().height) + 6; }

int DBGrid::TitleHeight() const {
  int lines = 1;
  for (const GridColumn& column : Columns.All()) lines = std::max(lines, TitleLines(column.title));
  return lines * RowHeight();
}

int DBGrid::FooterHeight() const { return FooterRowCount * RowHeight(); }

int DBGrid::VisibleRowCount() const {
  const int area = ClientSize().height - TitleHeight() - FooterHeight();
  return area <= 0 ? 0 : (area + RowHeight() - 1) / RowHeight();
}

int DBGrid::FullRowCount() const {
  return std::max(1, (ClientSize().height - TitleHeight() - FooterHeight()) / RowHeight());
}

void DBGrid::SetTopRow(int position) {
  const data::Dataset* dataset = ActiveDataSet();
  const int rows = dataset ? dataset->RecordCount() : 0;
  position = std::clamp(position, 0, std::max(0, rows - FullRowCount()));
  if (position == topRow_) return;
  topRow_ = position;
  ViewMoved();
}

int DBGrid::ScrollingColumnCount() const {
  return std::max(0, static_cast<int>(VisibleColumns().size()) - FrozenCols);
}

void DBGrid::SetLeftCol(int index) {
  index = std::clamp(index, 0, std::max(0, ScrollingColumnCount() - 1));
  if (index == leftCol_) return;
  leftCol_ = index;
  ViewMoved();
}

std::vector<std::size_t> DBGrid::VisibleColumns() const {
  std::vector<std::size_t> visible;
  for (std::size_t i = 0; i < Columns.Count(); ++i) {
    if (Columns[i].visible) visible.push_back(i);
  }
  return visible;
}

std::optional<std::pair<int, int>> DBGrid::ColumnSpan(std::size_t column) const {
  const std::vector<std::size_t> visible = VisibleColumns();
  int x = 0;
  for (std::size_t i = 0; i < visible.size(); ++i) {
    const bool frozen = static_cast<int>(i) < FrozenCols;
    if (!frozen && static_cast<int>(i) - FrozenCols < leftCol_) continue;
    const int width = Columns[visible[i]].width;
    if (visible[i] == column) return std::make_pair(x, width);
    x += width;
  }
  return std::nullopt;
}

GridHit DBGrid::HitTest(int x, int y) const {
  GridHit hit;
  if (y < 0 || y >= ClientSize().height) return hit;
  bool found = false;
  for (std::size_t column : VisibleColumns()) {
    const auto span = ColumnSpan(column);
    if (span && x >= span->first && x < span->first + span->second) {
      hit.column = column;
      found = true;
      break;
    }
  }
  if (!found) return hit;
  const int footerTop = ClientSize().height - FooterHeight();
  if (y < TitleHeight()) {
    hit.area = GridHit::Area::Title;
  } else if (y >= footerTop) {
    hit.area = GridHit::Area::Footer;
  } else {
    const data::Dataset* dataset = ActiveDataSet();
    const int position = topRow_ + (y - TitleHeight()) / RowHeight();
    if (dataset == nullptr || position >= dataset->RecordCount()) return hit;
    hit.area = GridHit::Area::Cell;
    hit.position = position;
  }
  return hit;
}

// ---- Current cell -------------------------------------------------------------------

int DBGrid::Row() const {
  const data::Dataset* dataset = ActiveDataSet();
  return dataset ? dataset->RecNo() - 1 : -1;
}

void DBGrid::SetCol(std::size_t column) {
  if (column >= Columns.Count() || column == col_) return;
  col_ = column;
  const std::vector<std::size_t> visible = VisibleColumns();
  const auto at = std::find(visible.begin(), visible.end(), column);
  const int index = static_cast<int>(at - visible.begin()) - FrozenCols;
  if (at != visible.end() && index >= 0) {
    // Scroll right until the column's right edge fits, or it is the first shown.
    if (index < leftCol_) leftCol_ = index;
    while (leftCol_ < index) {
      const auto span = ColumnSpan(column);
      if (span && span->first + span->second <= ClientSize().width) break;
      ++leftCol_;
    }
  }
  ViewMoved();
}

// ---- Texts ------------------------------------------------------------------------

std::string DBGrid::CellText(int position, std::size_t column) const {
  const data::Dataset* dataset = ActiveDataSet();
  const data::Field* field = ColumnField(column);
  if (dataset == nullptr || field == nullptr || position < 0 || position >= dataset->RecordCount()) {
    return {};
  }
  const std::uint32_t row = dataset->RowAt(position);
  if (dataset->Editing() && dataset->CurrentRow() == row) return field->DisplayText();
  return field->DisplayTextAt(row);
}

double DBGrid::ColumnSum(std::size_t column) const {
  sums_.resize(Columns.Count());
  if (column >= sums_.size()) return 0;
  if (!sums_[column]) {
    double sum = 0;
    const data::Dataset* dataset = ActiveDataSet();
    const data::Field* field = ColumnField(column);
    if (dataset != nullptr && field != nullptr && !field->IsText()) {
      for (std::uint32_t row : dataset->ViewRows()) {
        if (!field->IsNullAt(row)) sum += field->FloatAt(row);
      }
    }
    sums_[column] = sum;
  }
  return *sums_[column];
}

std::string DBGrid::FooterText(std::size_t column) const {
  if (column >= Columns.Count()) return {};
  const GridFooter& footer = Columns[column].footer;
  const data::Dataset* dataset = ActiveDataSet();
  const data::Field* field = ColumnField(column);
  const auto shaped = [field](double value) {
    const std::string& format = field ? field->DisplayFormat() : std::string();
    return format.empty() ? data::FloatToText(value) : data::FormatFloat(format, value);
  };
  switch (footer.valueType) {
    case fvtStaticText:
      return footer.value;
    case fvtCount:
      return dataset ? std::to_string(dataset->RecordCount()) : std::string();
    case fvtSum:
      return dataset ? shaped(ColumnSum(column)) : std::string();
    case fvtAvg:
      return dataset && dataset->RecordCount() > 0
                 ? shaped(ColumnSum(column) / dataset->RecordCount())
                 : std::string();
    case fvtFieldValue:
      return dataset && field && !dataset->IsEmpty() ? field->DisplayText() : std::string();
    case fvtNon:
      break;
  }
  return {};
}

// ---- User actions -------------------------------------------------------------------

bool DBGrid::CanEditCell(std::size_t column) const {
  const data::Dataset* dataset = ActiveDataSet();
  const data::Field* field = ColumnField(column);
  return !ReadOnly && dataset != nullptr && !dataset->IsEmpty() && field != nullptr &&
         !Columns[column].readOnly && !field->ReadOnly();
}

void DBGrid::SetCellText(std::size_t column, const std::string& text) {
  if (!CanEditCell(column)) return;
  data::Dataset& dataset = *ActiveDataSet();
  data::Field& field = *ColumnField(column);
  if (field.AsString() == text) return;
  dataset.Edit();
  try {
    field.SetAsString(text);
    dataset.Post();
  } catch (...) {
    dataset.Cancel();
    throw;
  }
}

void DBGrid::ToggleCheckBox(std::size_t column) {
  if (!Columns[column].checkBox || !CanEditCell(column)) return;
  SetCellText(column, ColumnField(column)->AsString() == "1" ? "0" : "1");
}

bool DBGrid::KeyDown(GridKey key, bool shift) {
  const std::vector<std::size_t> visible = VisibleColumns();
  const auto at = std::find(visible.begin(), visible.end(), col_);
  const int colIndex = at == visible.end() ? 0 : static_cast<int>(at - visible.begin());
  const int page = std::max(1, VisibleRowCount() - 1);
  switch (key) {
    case GridKey::Up: MoveTo(Row() - 1); return true;
    case GridKey::Down: MoveTo(Row() + 1); return true;
    case GridKey::PageUp: MoveTo(Row() - page); return true;
    case GridKey::PageDown: MoveTo(Row() + page); return true;
    case GridKey::Home: MoveTo(0); return true;
    case GridKey::End: MoveTo(INT32_MAX); return true;
    case GridKey::Left:
      if (colIndex > 0) SetCol(visible[colIndex - 1]);
      return true;
    case GridKey::Right:
      if (colIndex + 1 < static_cast<int>(visible.size())) SetCol(visible[colIndex + 1]);
      return true;
    case GridKey::Tab:
      return KeyDown(shift ? GridKey::Left : GridKey::Right);
    case GridKey::Space:
      if (col_ >= Columns.Count() || !Columns[col_].checkBox) return false;
      ToggleCheckBox(col_);
      return true;
  }
  return false;
}

void DBGrid::MouseDown(int x, int y, bool ctrl) {
  const GridHit hit = HitTest(x, y);
  switch (hit.area) {
    case GridHit::Area::Title:
      TitleClick(hit.column, ctrl);
      break;
    case GridHit::Area::Cell:
      SetCol(hit.column);
      MoveTo(hit.position);
      if (Columns[hit.column].checkBox) ToggleCheckBox(hit.column);
      break;
    default:
      break;
  }
}

// A click gives an unmarked column the up (ascending) marker and flips a marked one.
// Without ctrl the clicked column becomes the only marked one; with ctrl it is added
// after the others.
void DBGrid::TitleClick(std::size_t column, bool ctrl) {
  if (column >= Columns.Count()) return;
  GridColumn& clicked = Columns.At(column);
  clicked.sortMarker = clicked.sortMarker == smUpEh ? smDownEh : smUpEh;
  if (!ctrl) {
    for (std::size_t i = 0; i < Columns.Count(); ++i) {
      if (i == column) continue;
      Columns.At(i).sortMarker = smNoneEh;
      Columns.At(i).sortIndex = 0;
    }
    clicked.sortIndex = 1;
  } else if (clicked.sortIndex == 0) {
    clicked.sortIndex = static_cast<int>(SortMarkedColumns().size()) + 1;
  }
  Columns.Changed();
  if (OnTitleClick) RunEvent([&] { OnTitleClick(*this, column); });
  SortMarkingChanged();
}

std::vector<std::size_t> DBGrid::SortMarkedColumns() const {
  std::vector<std::size_t> marked;
  for (std::size_t i = 0; i < Columns.Count(); ++i) {
    if (Columns[i].sortIndex > 0) marked.push_back(i);
  }
  std::stable_sort(marked.begin(), marked.end(), [this](std::size_t a, std::size_t b) {
    return Columns[a].sortIndex < Columns[b].sortIndex;
  });
  return marked;
}

void DBGrid::Paint(GridCanvas& canvas) const { GridPainter(*this, canvas).Paint(); }

// ---- Notifications --------------------------------------------------------------------

void DBGrid::LinkActive(bool active) {
  topRow_ = 0;
  if (active && (Columns.Count() == 0 || autoColumns_)) ColumnsFromFields();
}

void DBGrid::SortMarkingChanged() {
  if (OnSortMarkingChanged) RunEvent([&] { OnSortMarkingChanged(*this); });
}

void DBGrid::RowsChanged() {
  sums_.clear();
  Changed(Property::Items);
}

void DBGrid::ViewMoved() { Changed(Property::Items); }

void DBGrid::ActiveChanged(bool active) {
  LinkActive(active);
  RowsChanged();
}

void DBGrid::DataSetChanged() {
  ScrollIntoView();
  RowsChanged();
}

void DBGrid::DataSetScrolled(int) {
  ScrollIntoView();
  Changed(Property::ItemIndex);
}

void DBGrid::RecordChanged(const data::Field*) { RowsChanged(); }

void DBGrid::LayoutChanged() {
  if (autoColumns_ && ActiveDataSet() != nullptr) ColumnsFromFields();
  RowsChanged();
}

void DBGrid::DataSetDestroying(data::Dataset&) {
  // The data source lets go of the dataset itself; nothing of it is read any more.
  sums_.clear();
}

void DBGrid::ColumnsChanged() {
  sums_.clear();
  Changed(Property::Style);
}

void DBGrid::ColumnsFromFields() {
  const data::Dataset& dataset = *DataSet();
  Columns.Clear();
  for (int i = 0; i < dataset.FieldCount(); ++i) {
    const data::Field& field = dataset.Fields(i);
    if (!field.Visible()) continue;
    GridColumn column;
    column.fieldName = field.FieldName();
    column.title = field.DisplayLabel();
    column.width = WidthOfField(field);
    Columns.Add(std::move(column));
  }
  autoColumns_ = true;
}

void DBGrid::ScrollIntoView() {
  const int row = Row();
  if (row < 0) return;
  if (row < topRow_) {
    topRow_ = row;
  } else if (row >= topRow_ + FullRowCount()) {
    topRow_ = row - FullRowCount() + 1;
  }
}

void DBGrid::MoveTo(int position) {
  data::Dataset* dataset = ActiveDataSet();
  if (dataset == nullptr || dataset->IsEmpty()) return;
  position = std::clamp(position, 0, dataset->RecordCount() - 1);
  if (position == Row()) return;
  dataset->CheckBrowseMode();
  dataset->MoveBy(position - Row());
}

}  // namespace ui
