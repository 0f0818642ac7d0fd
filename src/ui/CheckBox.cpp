#include "ui/CheckBox.h"


namespace ui {

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Property::Checked);
}

void CheckBox::Toggle() {
  if (!Enabled()) return;
  SetChecked(!checked_);
  if (OnClick) RunEvent([&] { OnClick(*this); });
}

}  // namespace ui
