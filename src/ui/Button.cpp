#include "ui/Button.h"

#include "ui/Form.h"

namespace ui {

Button::Button(Component* owner, std::string className) : Control(owner, std::move(className)) {
  SetBounds(0, 0, 75, 25);
}

void Button::Click() {
  if (!Enabled() || !Visible()) return;
  Form* form = ParentForm();
  if (ButtonModalResult != mrNone && form != nullptr) form->SetModalResult(ButtonModalResult);
  if (OnClick) RunEvent([&] { OnClick(*this); });
}

}  // namespace ui
