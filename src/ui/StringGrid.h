#pragma once
// ui::StringGrid: the look of a grid of texts ("TAdvStringGrid", "TAdvColumnGrid"):
// its fixed cells, grid lines, columns and floating footer.
#include "ui/ColorSet.h"
#include "ui/Control.h"
#include "ui/GridColumn.h"

namespace ui {

class StringGrid : public Control {
 public:
  explicit StringGrid(Component* owner, std::string className = "TAdvStringGrid")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
  }

  // 0 FixedColor, 1 FixedFontColor, 2 GridLineColor, 3 BigCellColor, 4 TitleColor,
  // 5 LineColor, 6 FooterColor (the floating footer's background).
  ColorSet Colors{{clBtnFace, clWindowText, clSilver, clBtnFace, clBtnFace, clSilver, clBtnFace},
                  [this] { Changed(Property::Style); }};
  Color FixedColor() const { return Colors[0]; }
  void SetFixedColor(Color color) { Colors.Set(0, color); }
  Color FixedFontColor() const { return Colors[1]; }
  void SetFixedFontColor(Color color) { Colors.Set(1, color); }
  Color GridLineColor() const { return Colors[2]; }
  void SetGridLineColor(Color color) { Colors.Set(2, color); }
  Color BigCellColor() const { return Colors[3]; }
  void SetBigCellColor(Color color) { Colors.Set(3, color); }
  Color TitleColor() const { return Colors[4]; }
  void SetTitleColor(Color color) { Colors.Set(4, color); }
  Color LineColor() const { return Colors[5]; }
  void SetLineColor(Color color) { Colors.Set(5, color); }
  Color FooterColor() const { return Colors[6]; }
  void SetFooterColor(Color color) { Colors.Set(6, color); }

  GridColumns Columns{[this] { Changed(Property::Style); }};
};

}  // namespace ui
