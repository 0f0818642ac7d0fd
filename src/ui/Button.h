#pragma once
// ui::Button: a push button. The flat pack's "TFlatButton" and the plain "TButton"
// share this model; a button with a ModalResult ends its modal form with it.
#include <functional>

#include "ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(Component* owner, std::string className = "TFlatButton");

  ModalResult ButtonModalResult = mrNone;
  bool Default = false;  // Enter clicks it
  bool Cancel = false;   // Esc clicks it

  std::function<void(Button&)> OnClick;

  // Acts as a user's click: nothing when disabled or hidden.
  void Click();
};

}  // namespace ui
