#pragma once
// ui::Button: a push button. The flat pack's "TFlatButton" and the plain "TButton"
// share this model; a button with a ModalResult ends its modal form with it.
#include <functional>

#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(Component* owner, std::string className = "TFlatButton");

  ModalResult ButtonModalResult = mrNone;
  bool Default = false;  // Enter clicks it
  bool Cancel = false;   // Esc clicks it
  bool HandCursor = false;  // the pointer turns into a hand over the button

  // The flat pack's colours, by its index: 0 ColorFocused, 1 ColorDown, 2 ColorBorder,
  // 3 ColorHighLight, 4 ColorShadow.
  ColorSet FlatColors{{clWhite, clWhite, Rgb(160, 150, 131), clWhite, clBlack},
                      [this] { Changed(Property::Style); }};
  Color ColorFocused() const { return FlatColors[0]; }
  void SetColorFocused(Color color) { FlatColors.Set(0, color); }
  Color ColorBorder() const { return FlatColors[2]; }
  void SetColorBorder(Color color) { FlatColors.Set(2, color); }
  Color ColorHighLight() const { return FlatColors[3]; }
  void SetColorHighLight(Color color) { FlatColors.Set(3, color); }
  Color ColorShadow() const { return FlatColors[4]; }
  void SetColorShadow(Color color) { FlatColors.Set(4, color); }

  std::function<void(Button&)> OnClick;

  // Acts as a user's click: nothing when disabled or hidden.
  void Click();
};

}  // namespace ui
