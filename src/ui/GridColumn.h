#pragma once
// ui::GridColumn and ui::GridColumns: the columns of a grid (the field each shows, its
// title and colours); a change calls back, so the grid can tell its peer.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Types.h"

namespace ui {

struct GridColumn {
  std::string fieldName;
  std::string title;
  int width = 64;
  Color color = clWindow;
  Color titleColor = clBtnFace;
};

class GridColumns {
 public:
  explicit GridColumns(std::function<void()> changed) : changed_(std::move(changed)) {}

  const std::vector<GridColumn>& All() const { return columns_; }
  std::size_t Count() const { return columns_.size(); }
  const GridColumn& operator[](std::size_t index) const { return columns_.at(index); }

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
