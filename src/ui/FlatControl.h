#pragma once
// ui::FlatControl: a control of the flat pack that the model knows by its class name
// and its indexed colours only ("TFlatTabControl", "TFlatSpinEditInteger",
// "TFlatSplitter", "TFlatGauge", "TFlatRadioButton", "TFlatListBox"). Which colour an
// index stands for is the class's: the spin edit, like the flat edit, has 0
// ColorFocused, 1 ColorBorder, 2 ColorFlat; the radio button has 3 ColorBorder.
#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class FlatControl : public Control {
 public:
  FlatControl(Component* owner, std::string className) : Control(owner, std::move(className)) {}

  // Indexes 0 to 5.
  ColorSet FlatColors{{clWhite, Rgb(160, 150, 131), clWhite, Rgb(160, 150, 131), clWhite, clBlack},
                      [this] { Changed(Property::Style); }};
};

}  // namespace ui
