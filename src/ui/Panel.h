#pragma once
// ui::Panel: a container with an optional bevel and caption ("TPanel"; the flat
// pack's "TFlatPanel" uses the same model).
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

 private:
  BevelKind bevelOuter_ = BevelKind::Raised;
};

}  // namespace ui
