#pragma once
// win32::CheckBoxWindow: a tick box (BUTTON, BS_CHECKBOX). The tick is set only by
// SetChecked, so that the model stays the one place that decides it.
#include <functional>

#include "win32/Window.h"

namespace win32 {

class CheckBoxWindow : public Window {
 public:
  explicit CheckBoxWindow(WindowArgs args);

  // Sets or clears the tick; no click is reported.
  void SetChecked(bool checked);
  // Whether the box shows a tick.
  bool Checked() const;

  // Called when the user clicks the box (the tick has not changed yet).
  std::function<void()> onClick;

 protected:
  bool OnCommand(WORD notification) override;
};

}  // namespace win32
