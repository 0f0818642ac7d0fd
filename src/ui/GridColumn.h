#pragma once
// ui::GridColumn and ui::GridColumns: the columns of a grid (the field each shows, its
// title with its sort marker, its footer cell, its colours); a change calls back, so
// the grid can tell its peer.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Types.h"

namespace ui {

// The sort marker of a column title: none, down (descending), up (ascending).
enum TSortMarkerEh { smNoneEh, smDownEh, smUpEh };

// What a column's footer cell shows.
enum TFooterValueType { fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText };

// One footer cell: its kind, and the text of a static footer.
struct GridFooter {
  TFooterValueType valueType = fvtNon;
  std::string value;
};

struct GridColumn {
  std::string fieldName;
  std::string title;  // the title's caption; "|" breaks it into title lines
  int width = 64;
  Color color = clWindow;
  Color titleColor = clBtnFace;
  bool visible = true;
  long tag = 0;
  bool readOnly = false;
  bool checkBox = false;  // shows a tick box: "1" ticked, "0" not
  TSortMarkerEh sortMarker = smNoneEh;
  int sortIndex = 0;  // place among the sort-marked columns, from 1; 0 when unmarked
  GridFooter footer;
};

class GridColumns {
 public:
  explicit GridColumns(std::function<void()> changed) : changed_(std::move(changed)) {}

  const std::vector<GridColumn>& All() const { return columns_; }
  std::size_t Count() const { return columns_.size(); }
  const GridColumn& operator[](std::size_t index) const { return columns_.at(index); }
  // A column to change in place; call Changed() afterwards so the grid redraws.
  GridColumn& At(std::size_t index) { return columns_.at(index); }
  void Changed() { Notify(); }
  void Clear() {
    columns_.clear();
    Notify();
  }

  void Add(GridColumn column) {
    columns_.push_back(std::move(column));
    Notify();
  }
  void SetColor(std::size_t index, Color color) {
    columns_.at(index).color = color;
    Notify();
  }
  void SetTitleColor(std::size_t index, Color color) {
    columns_.at(index).titleColor = color;
    Notify();
  }

 private:
  void Notify() {
    if (changed_) changed_();
  }

  std::vector<GridColumn> columns_;
  std::function<void()> changed_;
};

}  // namespace ui
