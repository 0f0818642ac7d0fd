#pragma once
// win32::LabelWindow: static text (STATIC); "&" is shown as it is.
#include "win32/Window.h"

namespace win32 {

class LabelWindow : public Window {
 public:
  enum class Alignment { Left, Center, Right };

  explicit LabelWindow(WindowArgs args);

  // Where the text stands, and whether it breaks into lines at the window's width.
  // A left-aligned text that does not wrap is cut at the right edge; centred and
  // right-aligned texts always wrap, as STATIC draws them.
  void SetLayout(Alignment alignment, bool wordWrap);
};

}  // namespace win32
