#pragma once
// win32::ButtonWindow: a push button (BUTTON). BM_CLICK and a real click both
// arrive as BN_CLICKED, reflected here by the parent.
#include <functional>

#include "win32/Window.h"

namespace win32 {

class ButtonWindow : public Window {
 public:
  // `args` gives parent, bounds and caption; `flat` draws the flat style.
  ButtonWindow(WindowArgs args, bool flat);

  // Marks the button as the default one (drawn with the heavier frame).
  void SetDefault(bool isDefault);

  // Called when the button is clicked (by the user or by BM_CLICK).
  std::function<void()> onClick;

 protected:
  bool OnCommand(WORD notification) override;
};

}  // namespace win32
