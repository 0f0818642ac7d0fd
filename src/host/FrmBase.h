#pragma once
// TFrmBase: the base of the three embedded screens. A borderless form in the
// "宋体" 12-pixel GB2312 font with an empty panel `PanelMain` that the host's resize
// message 0x402 sizes; closing tells the host window with message 1028 and frees
// the form.
#include <string>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace host {

// Host to screen: resize; wParam is the new height, lParam the new width.
constexpr unsigned WM_HOST_RESIZE = 0x402;
// Screen to host window: the screen is closing (sent, not posted).
constexpr unsigned WM_SCREEN_CLOSING = 1028;

class TFrmBase : public ui::Form {
 public:
  // A screen form held by the host's panel `hostPanel`, reporting to `hostWindow`.
  TFrmBase(std::string className, ui::WindowHandle hostWindow, ui::WindowHandle hostPanel);

  ui::Panel* PanelMain;

  // The panel that holds the whole screen, sized by the entry point.
  virtual ui::Panel* MainPanel() = 0;

  // Close handler: notifies the host window, then lets the form be freed.
  void FormClose(ui::Form& sender, ui::CloseAction& action);

 protected:
  // Creates the screen's main panel, aligned to nothing, on this form.
  ui::Panel* CreateMainPanel(const std::string& name);
  // Adds a captioned button at the end of a tool bar.
  ui::ToolButton* CreateToolButton(ui::ToolBar* bar, const std::string& name,
                                   const std::string& caption);

 private:
  bool HandleHostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

  ui::WindowHandle hostWindow_;
};

}  // namespace host
