#pragma once
// ui::Edit: a one-line text box ("TEdit", "TFlatEdit"); its text is the caption.
#include <functional>

#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class Edit : public Control {
 public:
  explicit Edit(Component* owner, std::string className = "TEdit")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 121, 20);
    SetColor(clWindow);
  }

  const std::string& Text() const { return Caption(); }
  // Sets the text and fires OnChange, as typing does.
  void SetText(const std::string& text);

  bool ReadOnly = false;
  int MaxLength = 0;  // in ANSI bytes; 0: no limit
  // The selection: its start (in characters) and length; a caret alone has length 0.
  int SelStart = 0;
  int SelLength = 0;

  // The flat pack's colours, by its index: 0 ColorFocused, 1 ColorBorder, 2 ColorFlat.
  ColorSet FlatColors{{clWhite, Rgb(160, 150, 131), clWhite}, [this] { Changed(Property::Style); }};
  Color ColorFocused() const { return FlatColors[0]; }
  void SetColorFocused(Color color) { FlatColors.Set(0, color); }
  Color ColorBorder() const { return FlatColors[1]; }
  void SetColorBorder(Color color) { FlatColors.Set(1, color); }
  Color ColorFlat() const { return FlatColors[2]; }
  void SetColorFlat(Color color) { FlatColors.Set(2, color); }
  std::function<void(Edit&)> OnChange;
};

}  // namespace ui
