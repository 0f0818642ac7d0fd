#pragma once
// win32::LabelWindow: static text (STATIC); "&" is shown as it is.
#include "win32/Window.h"

namespace win32 {

class LabelWindow : public Window {
 public:
  explicit LabelWindow(WindowArgs args);
};

}  // namespace win32
