#pragma once
// ui::Edit: a one-line text box ("TEdit", "TFlatEdit"); its text is the caption.
#include <functional>

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
  std::function<void(Edit&)> OnChange;
};

}  // namespace ui
