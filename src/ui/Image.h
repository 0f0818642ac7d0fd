#pragma once
// ui::Image: a picture on a form ("TImage"); the dialogs show one of the system's
// message icons in it.
#include "ui/Control.h"

namespace ui {

// The system's message icons.
enum class SystemIcon { None, Warning, Error, Information, Question };

class Image : public Control {
 public:
  explicit Image(Component* owner, std::string className = "TImage")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 105, 105);
  }

  SystemIcon Icon() const { return icon_; }
  void SetIcon(SystemIcon icon) {
    if (icon == icon_) return;
    icon_ = icon;
    Changed(Property::Style);
  }

 private:
  SystemIcon icon_ = SystemIcon::None;
};

}  // namespace ui
