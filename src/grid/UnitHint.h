#pragma once
// grid::TFrmHint: the please-wait window a screen shows while it searches, imports or
// generates: no title bar, always on top, an animation and one line of text.
//
// The window installs no handler of its own for the host's unhandled errors: an error
// in one of the library's events is shown as every event boundary shows it, and the
// host's own handling stays as it was. The window has no frame (the model's borderless
// form); its client area keeps the designed 332 by 87.
#include <string>

#include "ui/Animate.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace grid {

class TFrmHint : public ui::Form {
 public:
  TFrmHint();
  ~TFrmHint() override;

  ui::Animate* Animate1;
  ui::Label* Label1;

  // The folder-relative file played when it exists ("Resource\Turtle.avi").
  static std::string AnimationFile();
  // Shows the window and lets it paint before the caller's long step starts.
  void ShowNow();
  // Sets the line of text and repaints it.
  void SetHintText(const std::string& text);
};

// The library's one reference to the hint window in use (null when there is none;
// the window clears it when it is destroyed).
TFrmHint*& FrmHint();

}  // namespace grid
