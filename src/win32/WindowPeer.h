#pragma once
// win32::WindowPeer: the Win32 backend's peer of one control. It owns the control's
// window wrapper and mirrors the model's common properties (bounds, visibility,
// enabled state, caption, colours, font) into it; what only one kind of control has
// (items, tick, bevel) goes to onUpdate.
#include <functional>
#include <memory>

#include "ui/Backend.h"
#include "ui/Control.h"
#include "win32/FontCache.h"
#include "win32/Window.h"

namespace win32 {

class WindowPeer : public ui::ControlPeer {
 public:
  WindowPeer(ui::Control& control, std::unique_ptr<Window> window, FontCache& fonts);
  ~WindowPeer() override;

  ui::WindowHandle Handle() const override;
  void Update(ui::Property what) override;
  // Brings every property into the window once, after creation.
  void UpdateAll();

  // The peer of a control whose window exists, or null.
  static WindowPeer* Of(const ui::Control& control);

  // Control-specific properties; returns true when it has handled `what` entirely.
  std::function<bool(ui::Property what)> onUpdate;

 protected:
  ui::Control& control_;
  std::unique_ptr<Window> window_;

 private:
  void UpdateFont();

  FontCache& fonts_;
};

// The arguments of a control's window inside its parent's window.
WindowArgs ChildWindowArgs(ui::Control& control);

}  // namespace win32
