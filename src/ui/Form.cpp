#include "ui/Form.h"

#include "ui/Events.h"

namespace ui {

Form::Form(Component* owner, std::string className) : Control(owner, std::move(className)) {
  SetVisible(false);
  SetBounds(0, 0, 640, 480);
}

void Form::SetBorderStyle(BorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  Changed(Property::Style);
}

void Form::SetParentWindow(WindowHandle window) {
  if (window == parentWindow_) return;
  parentWindow_ = window;
  Changed(Property::Parent);
}

void Form::DoCreate() {
  if (OnCreate) RunGuarded(0, [&] { OnCreate(*this); });
}

void Form::Show() {
  Handle();
  SetVisible(true);
  if (OnShow) RunGuarded(Handle(), [&] { OnShow(*this); });
}

ModalResult Form::ShowModal() {
  modalResult_ = mrNone;
  modal_ = true;
  Handle();
  SetVisible(true);
  if (OnShow) RunGuarded(Handle(), [&] { OnShow(*this); });
  const ModalResult result = CurrentBackend().RunModal(*this);
  modal_ = false;
  SetVisible(false);
  modalResult_ = result;
  return result;
}

void Form::Close() {
  if (modal_) {
    // A modal form closes by ending its loop; the caller frees it.
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  CloseAction action = CloseAction::Hide;
  if (OnClose && !RunGuarded(Handle(), [&] { OnClose(*this, action); })) return;
  switch (action) {
    case CloseAction::None: break;
    case CloseAction::Hide:
    case CloseAction::Minimize: Hide(); break;
    case CloseAction::Free:
      Hide();
      CurrentBackend().ReleaseLater(*this);
      break;
  }
}

bool Form::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  bool handled = false;
  if (OnMessage) RunGuarded(Handle(), [&] { handled = OnMessage(*this, message, wParam, lParam); });
  return handled;
}

void Form::BeforeDestruction() {
  if (!destroyed_) {
    destroyed_ = true;
    if (OnDestroy) RunGuarded(0, [&] { OnDestroy(*this); });
  }
  Control::BeforeDestruction();
}

}  // namespace ui
