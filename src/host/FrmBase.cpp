#include "host/FrmBase.h"

#include "ui/Backend.h"
#include "ui/Make.h"

namespace host {

TFrmBase::TFrmBase(std::string className, ui::WindowHandle hostWindow,
                   ui::WindowHandle hostPanel)
    : ui::Form(nullptr, std::move(className)), hostWindow_(hostWindow) {
  SetParentWindow(hostPanel);
  SetBorderStyle(ui::BorderStyle::None);
  SetAlign(ui::Align::Client);
  SetFont(ui::Font{"宋体", -12, ui::GB2312_CHARSET});

  PanelMain = ui::Make<ui::Panel>(this, this, "PanelMain");
  PanelMain->SetBevelOuter(ui::BevelKind::None);
  PanelMain->SetBounds(0, 0, 688, 450);

  OnClose = [this](ui::Form& sender, ui::CloseAction& action) { FormClose(sender, action); };
  OnMessage = [this](ui::Form&, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return HandleHostMessage(message, wParam, lParam);
  };
}

ui::Panel* TFrmBase::CreateMainPanel(const std::string& name) {
  auto* panel = ui::Make<ui::Panel>(this, this, name);
  panel->SetBevelOuter(ui::BevelKind::None);
  return panel;
}

ui::ToolButton* TFrmBase::CreateToolButton(ui::ToolBar* bar, const std::string& name,
                                           const std::string& caption) {
  auto* button = new ui::ToolButton(this, bar);
  button->Name = name;
  button->SetCaption(caption);
  return button;
}

void TFrmBase::FormClose(ui::Form&, ui::CloseAction& action) {
  // The host handles the notice before the close goes on, so it is sent, not posted.
  ui::CurrentBackend().SendMessage(hostWindow_, WM_SCREEN_CLOSING, 0, 0);
  action = ui::CloseAction::Free;
}

bool TFrmBase::HandleHostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message != WM_HOST_RESIZE) return false;
  // Only PanelMain follows; the screen's own panel keeps the size it was opened with.
  PanelMain->SetHeight(static_cast<int>(wParam));
  PanelMain->SetWidth(static_cast<int>(lParam));
  return true;
}

}  // namespace host
