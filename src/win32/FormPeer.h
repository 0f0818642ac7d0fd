#pragma once
// win32::FormPeer: the peer of a form. An embedded form (ParentWindow set: a screen
// in the host's panel) is a borderless child window; any other form is a top-level
// window owned by the active window, framed as its BorderStyle says and placed as
// its Position says. The form's bounds are its client area. Closing the window asks
// the form (Close), messages from WM_USER up go to the form's OnMessage, Enter and
// Esc click its Default and Cancel buttons.
#include "ui/Form.h"
#include "win32/FormWindow.h"
#include "win32/WindowPeer.h"

namespace win32 {

class FormPeer : public WindowPeer {
 public:
  FormPeer(ui::Form& form, FontCache& fonts);
  ~FormPeer() override;

  // A form with a window and no owner, or null when there is none left.
  static ui::Form* FirstOwnerlessForm();

 private:
  FormWindow& Window();
  bool UpdateForm(ui::Property what);
  void PlaceWindow(bool firstTime);
  void ApplyFrame();
  void OnDialogCommand(int id);
  void OnUserResize(int width, int height);

  ui::Form& form_;
  bool placing_ = false;
};

// The window styles of a form with `style` (top-level) or of an embedded form.
DWORD FormWindowStyle(ui::BorderStyle style, bool embedded);
DWORD FormWindowExStyle(ui::BorderStyle style, bool embedded);

}  // namespace win32
