#pragma once
// ui::Label: static text ("TLabel").
#include "ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  explicit Label(Component* owner, std::string className = "TLabel")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 60, 12);
  }

  bool Transparent = true;
  bool WordWrap = false;  // breaks the caption into lines within the label's width
};

}  // namespace ui
