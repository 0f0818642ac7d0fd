#pragma once
// ui::Backend: what renders the component model. The Win32 backend makes real
// windows; the headless backend makes none and lets tests script modal forms and
// message boxes. The screens never talk to a backend directly.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/Types.h"
#include "ui/WindowHandle.h"

namespace ui {

class Control;
class Form;

// What changed on a control, so its peer can update only that.
enum class Property {
  Bounds,
  Visible,
  Enabled,
  Caption,  // caption or text
  Color,
  Font,
  Items,      // combo box items
  ItemIndex,  // combo box selection
  Checked,
  Parent,
  Style,  // anything else that changes the look (border, bevel, flat colours)
};

// A backend's representation of one control (a window, or nothing at all).
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual WindowHandle Handle() const = 0;
  virtual void Update(Property what) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Creates the peer of a control whose parent (if any) already has its peer.
  virtual std::unique_ptr<ControlPeer> CreatePeer(Control& control) = 0;

  // Runs a modal loop until the form's ModalResult is set; returns it.
  virtual ModalResult RunModal(Form& form) = 0;
  // Shows a message box owned by `owner` (may be 0); returns IDOK, IDYES, ...
  virtual int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                         unsigned flags) = 0;

  // Sends a window message synchronously (to the host's windows or our own).
  virtual std::intptr_t SendMessage(WindowHandle target, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
  // Makes `child` a child window of `parent`.
  virtual void SetParentWindow(WindowHandle child, WindowHandle parent) = 0;
  // Client-area size of any window (the host's panel included).
  virtual Size ClientSize(WindowHandle window) = 0;

  // Frees the form once the current message has been handled (the form's own
  // handler may still be running when it asks to be freed).
  virtual void ReleaseLater(Form& form) = 0;
  // Handles pending messages (and pending releases).
  virtual void ProcessMessages() = 0;
  // Width and height of a text in the given font.
  virtual Size TextExtent(const Font& font, const std::string& text) = 0;
  // The screen's size, which dialogs centre on and wrap their texts to; a backend
  // that knows the real screen says so.
  virtual Size ScreenSize() { return {1024, 768}; }
};

// The backend every control uses; set once by the platform layer or a test.
Backend& CurrentBackend();
void SetBackend(Backend* backend);

}  // namespace ui
