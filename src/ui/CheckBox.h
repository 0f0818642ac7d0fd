#pragma once
// ui::CheckBox: a captioned tick box ("TCheckBox", "TFlatCheckBox").
#include <functional>

#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class CheckBox : public Control {
 public:
  explicit CheckBox(Component* owner, std::string className = "TCheckBox")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 97, 17);
  }

  bool Checked() const { return checked_; }
  // Sets the tick without firing OnClick (as code does).
  void SetChecked(bool checked);
  // Toggles the tick and fires OnClick (as the user does).
  void Toggle();

  std::function<void(CheckBox&)> OnClick;

  // The flat pack's colours, by its index: 0 ColorFocused, 1 ColorDown, 2 ColorCheck,
  // 3 ColorBorder.
  ColorSet FlatColors{{clWhite, clWhite, clBlack, Rgb(160, 150, 131)},
                      [this] { Changed(Property::Style); }};
  Color ColorBorder() const { return FlatColors[3]; }
  void SetColorBorder(Color color) { FlatColors.Set(3, color); }

 private:
  bool checked_ = false;
};

}  // namespace ui
