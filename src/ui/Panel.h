#pragma once
// ui::Panel: a container with an optional bevel and caption ("TPanel"; the flat
// pack's "TFlatPanel" uses the same model).
#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class Panel : public Control {
 public:
  explicit Panel(Component* owner, std::string className = "TPanel")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 185, 41);
  }

  BevelKind BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(BevelKind bevel) {
    bevelOuter_ = bevel;
    Changed(Property::Style);
  }

  // The flat pack's colours, by its index: 0 ColorHighLight, 1 ColorShadow.
  ColorSet FlatColors{{clWhite, clBlack}, [this] { Changed(Property::Style); }};
  Color ColorHighLight() const { return FlatColors[0]; }
  void SetColorHighLight(Color color) { FlatColors.Set(0, color); }
  Color ColorShadow() const { return FlatColors[1]; }
  void SetColorShadow(Color color) { FlatColors.Set(1, color); }

 private:
  BevelKind bevelOuter_ = BevelKind::Raised;
};

}  // namespace ui
