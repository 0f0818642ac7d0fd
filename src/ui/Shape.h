#pragma once
// ui::Shape: a drawn rectangle or line ("TShape"), outlined in its pen colour and
// filled with its brush colour.
#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class Shape : public Control {
 public:
  explicit Shape(Component* owner, std::string className = "TShape")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 65, 65);
  }

  // 0 the pen's colour, 1 the brush's.
  ColorSet Colors{{clBlack, clWhite}, [this] { Changed(Property::Style); }};
  Color PenColor() const { return Colors[0]; }
  void SetPenColor(Color color) { Colors.Set(0, color); }
  Color BrushColor() const { return Colors[1]; }
  void SetBrushColor(Color color) { Colors.Set(1, color); }
};

}  // namespace ui
