#pragma once
// ui::DBGrid: a grid over a dataset ("TDBGridEh", "TAdvDBGridEh"): its columns, the
// data source it shows, the current row (which is the dataset's cursor), frozen
// columns, title and footer rows, editing, and what a user's keys and clicks do. The
// dataset's view is the grid's row order; the grid never copies rows: painting asks
// for the visible rows only and footers are summed over the view.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/DataSource.h"
#include "ui/ColorSet.h"
#include "ui/Control.h"
#include "ui/GridColumn.h"

namespace data {
class Dataset;
class Field;
}  // namespace data

namespace ui {

class GridCanvas;

// What OnGetCellParams may change for one data cell before it is drawn.
struct GridCellParams {
  int recNo = 0;                 // record number of the row in the view, from 1
  std::uint32_t row = 0;         // storage row of the record
  std::size_t column = 0;        // index in Columns
  Font font;
  Color background = clWindow;
  bool selected = false;         // the current cell
};

// The keys the grid answers.
enum class GridKey { Up, Down, PageUp, PageDown, Home, End, Left, Right, Tab, Space };

// Where a point of the grid falls.
struct GridHit {
  enum class Area { None, Title, Cell, Footer } area = Area::None;
  std::size_t column = 0;
  int position = -1;  // view position of a cell's row
};

class DBGrid : public Control, private data::DataObserver {
 public:
  explicit DBGrid(Component* owner, std::string className = "TDBGridEh");
  ~DBGrid() override;

  // 0 FixedColor, the title cells' background.
  ColorSet Colors{{clBtnFace}, [this] { Changed(Property::Style); }};
  Color FixedColor() const { return Colors[0]; }
  void SetFixedColor(Color color) { Colors.Set(0, color); }

  GridColumns Columns{[this] { ColumnsChanged(); }};

  // ---- Data ---------------------------------------------------------------------
  data::DataSource* DataSource() const { return source_; }
  // Binds the grid to a data source (or none); an active dataset counts as a data-link
  // activation.
  void SetDataSource(data::DataSource* source);
  // The data source's dataset, or null.
  data::Dataset* DataSet() const;
  // The dataset when it is open, else null.
  data::Dataset* ActiveDataSet() const;
  // The field a column shows, or null.
  data::Field* ColumnField(std::size_t column) const;

  // ---- Layout -------------------------------------------------------------------
  int FrozenCols = 0;      // visible columns, from the left, that do not scroll
  int FooterRowCount = 0;  // footer rows under the data rows
  bool ReadOnly = false;   // no cell of the grid can be changed
  // The area the backend's window shows, inside its border and scroll bars; the
  // control's size until a backend says otherwise.
  Size ClientSize() const override;
  void SetViewSize(Size size);
  int RowHeight() const;
  int TitleHeight() const;   // all title lines
  int FooterHeight() const;  // all footer rows
  int VisibleRowCount() const;  // data rows that fit, the last partly shown included
  int FullRowCount() const;     // data rows that fit whole (at least 1)
  int TopRow() const { return topRow_; }  // view position of the first shown row
  void SetTopRow(int position);
  int LeftCol() const { return leftCol_; }  // first shown scrolling column, among them
  void SetLeftCol(int index);
  int ScrollingColumnCount() const;
  // The visible columns, in order.
  std::vector<std::size_t> VisibleColumns() const;
  // Left edge and width of a visible column as shown now; nullopt when scrolled away.
  std::optional<std::pair<int, int>> ColumnSpan(std::size_t column) const;
  GridHit HitTest(int x, int y) const;

  // ---- Current cell -----------------------------------------------------------------
  // View position of the current record (the dataset's RecNo - 1); -1 when none.
  int Row() const;
  std::size_t Col() const { return col_; }
  void SetCol(std::size_t column);

  // ---- Texts ----------------------------------------------------------------------
  // The shown text of a cell (a tick box's "1"/"0" stays as it is).
  std::string CellText(int position, std::size_t column) const;
  // The footer text of a column; sums and averages are over the rows in the view.
  std::string FooterText(std::size_t column) const;
  // The sum of a column's field over the view (cached until the data changes).
  double ColumnSum(std::size_t column) const;

  // ---- User actions -------------------------------------------------------------
  bool CanEditCell(std::size_t column) const;
  // Writes a text into the current record's field of a column (Edit, set, Post).
  void SetCellText(std::size_t column, const std::string& text);
  // Flips a tick-box column of the current record between "1" and "0".
  void ToggleCheckBox(std::size_t column);
  // A key press; returns false for a key the grid does not use.
  bool KeyDown(GridKey key, bool shift = false);
  // A click: a title cycles its sort marker (ctrl keeps the other markers), a cell
  // becomes current and a tick box flips.
  void MouseDown(int x, int y, bool ctrl = false);
  // What a click on a column's title does (also raised by MouseDown).
  void TitleClick(std::size_t column, bool ctrl = false);

  // ---- Sort markers ---------------------------------------------------------------
  // Columns whose title has a SortIndex above 0, in SortIndex order.
  std::vector<std::size_t> SortMarkedColumns() const;

  // Draws the visible part of the grid.
  void Paint(GridCanvas& canvas) const;

  std::function<void(DBGrid&, GridCellParams&)> OnGetCellParams;
  std::function<void(DBGrid&, std::size_t column)> OnTitleClick;
  std::function<void(DBGrid&)> OnSortMarkingChanged;

 protected:
  // The data link became active (true) or inactive (false).
  virtual void LinkActive(bool active);
  // The sort markers changed by a title click: raises OnSortMarkingChanged.
  virtual void SortMarkingChanged();
  // Tells the peer the rows (Items) or the current row (ItemIndex) changed.
  void RowsChanged();

 private:
  void ActiveChanged(bool active) override;
  void DataSetChanged() override;
  void DataSetScrolled(int distance) override;
  void RecordChanged(const data::Field* field) override;
  void LayoutChanged() override;
  void DataSetDestroying(data::Dataset& dataset) override;
  void ColumnsChanged();
  void ColumnsFromFields();
  void ScrollIntoView();
  // The shown part moved (scrolled, resized): a redraw, the footer sums stay.
  void ViewMoved();
  void MoveTo(int position);

  data::DataSource* source_ = nullptr;
  int topRow_ = 0;
  int leftCol_ = 0;
  std::size_t col_ = 0;
  std::optional<Size> viewSize_;
  bool autoColumns_ = false;  // the columns were made from the fields
  mutable std::vector<std::optional<double>> sums_;
};

}  // namespace ui
