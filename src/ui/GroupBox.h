#pragma once
// ui::GroupBox: a captioned frame around other controls ("TGroupBox", "TFlatGroupBox").
#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class GroupBox : public Control {
 public:
  explicit GroupBox(Component* owner, std::string className = "TGroupBox")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 185, 105);
  }

  // The flat pack's colours: 0 ColorBorder.
  ColorSet FlatColors{{Rgb(160, 150, 131)}, [this] { Changed(Property::Style); }};
  Color ColorBorder() const { return FlatColors[0]; }
  void SetColorBorder(Color color) { FlatColors.Set(0, color); }
};

}  // namespace ui
