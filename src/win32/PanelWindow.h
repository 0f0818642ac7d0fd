#pragma once
// win32::PanelWindow: a container of our own class: background colour, an optional
// raised or lowered outer bevel, and its caption centred.
#include "win32/Window.h"

namespace win32 {

class PanelWindow : public Window {
 public:
  enum class Bevel { None, Raised, Lowered };

  // `args.ownClass` names the window class ("TPanel", "TToolBar").
  explicit PanelWindow(WindowArgs args);

  // The outer bevel drawn along the panel's edge.
  void SetBevel(Bevel bevel);

 protected:
  void OnPaint(HDC dc, const RECT& client) override;

 private:
  Bevel bevel_ = Bevel::None;
};

}  // namespace win32
