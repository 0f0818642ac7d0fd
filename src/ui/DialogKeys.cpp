#include "ui/DialogKeys.h"

#include "ui/Button.h"

namespace ui {
namespace {

Button* FindKeyButton(Control& parent, DialogKey key) {
  for (Control* child : parent.Controls()) {
    if (!child->Visible() || !child->Enabled()) continue;
    if (auto* button = dynamic_cast<Button*>(child))
      if (key == DialogKey::Enter ? button->Default : button->Cancel) return button;
    if (Button* inner = FindKeyButton(*child, key)) return inner;
  }
  return nullptr;
}

}  // namespace

bool PressDialogKey(Form& form, DialogKey key) {
  Button* button = FindKeyButton(form, key);
  if (button == nullptr) return false;
  button->Click();
  return true;
}

}  // namespace ui
