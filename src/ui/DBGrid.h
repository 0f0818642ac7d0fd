#pragma once
// ui::DBGrid: the look of a grid over a dataset ("TDBGridEh", "TAdvDBGridEh"): its
// fixed (title) cells and its columns.
#include "ui/ColorSet.h"
#include "ui/Control.h"
#include "ui/GridColumn.h"

namespace ui {

class DBGrid : public Control {
 public:
  explicit DBGrid(Component* owner, std::string className = "TDBGridEh")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
  }

  // 0 FixedColor, the title cells' background.
  ColorSet Colors{{clBtnFace}, [this] { Changed(Property::Style); }};
  Color FixedColor() const { return Colors[0]; }
  void SetFixedColor(Color color) { Colors.Set(0, color); }

  GridColumns Columns{[this] { Changed(Property::Style); }};
};

}  // namespace ui
