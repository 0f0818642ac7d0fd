#pragma once
// ui::Label: static text ("TLabel").
#include "ui/Control.h"

namespace ui {

// Where a label's text stands within its width.
enum class TextAlignment { Left, Right, Center };

class Label : public Control {
 public:
  explicit Label(Component* owner, std::string className = "TLabel")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 60, 12);
  }

  bool Transparent = true;
  bool WordWrap = false;  // breaks the caption into lines within the label's width
  TextAlignment Alignment = TextAlignment::Left;
};

}  // namespace ui
