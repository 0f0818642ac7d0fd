#pragma once
// ui::Form: a top-level control: a dialog, or a screen embedded in a host window.
// Its bounds are its client area; the backend adds the frame that BorderStyle asks for.
#include <cstdint>
#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class Form : public Control {
 public:
  explicit Form(Component* owner, std::string className = "TForm");

  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle style);
  FormPosition Position = FormPosition::Designed;
  // The form style fsStayOnTop: the window stays above other programs' windows.
  bool StayOnTop = false;
  // A window of another program (the host's panel) that holds this form, or 0.
  WindowHandle ParentWindow() const { return parentWindow_; }
  void SetParentWindow(WindowHandle window);

  int ClientWidth() const { return Width(); }
  int ClientHeight() const { return Height(); }
  void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

  // Set by buttons of a modal form; a non-zero value ends ShowModal.
  ModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(ModalResult result) { modalResult_ = result; }
  bool Modal() const { return modal_; }

  void Show();
  void Hide() { SetVisible(false); }
  ModalResult ShowModal();
  // Asks the form to close: OnClose chooses the action; Free releases the form.
  void Close();

  std::function<void(Form&)> OnCreate;
  std::function<void(Form&)> OnShow;
  std::function<void(Form&, CloseAction&)> OnClose;
  std::function<void(Form&)> OnDestroy;
  // Window messages the backend does not handle itself (custom host messages).
  std::function<bool(Form&, unsigned, std::uintptr_t, std::intptr_t)> OnMessage;

  // Fires OnCreate; called once the most derived constructor has run (CreateForm).
  void DoCreate();
  // Delivers a window message; returns true when the form handled it.
  bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

 protected:
  void BeforeDestruction() override;

 private:
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  WindowHandle parentWindow_ = 0;
  ModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool destroyed_ = false;
};

// Creates a form of type T and fires its OnCreate, as the platform's form creation does.
template <class T, class... Args>
T* CreateForm(Args&&... args) {
  T* form = new T(std::forward<Args>(args)...);
  form->DoCreate();
  return form;
}

}  // namespace ui
