#pragma once
// ui::Memo: a text box of several lines ("TMemo", "TFlatMemo"); its text is the
// caption, lines separated by CR LF. It has the edit's properties and flat colours.
#include "ui/Edit.h"

namespace ui {

class Memo : public Edit {
 public:
  explicit Memo(Component* owner, std::string className = "TMemo")
      : Edit(owner, std::move(className)) {
    SetBounds(0, 0, 185, 89);
  }

  bool WordWrap = true;
};

}  // namespace ui
