#pragma once
// TFrmExport, caption "付款单自动生成": the screen its export opens inside the host's panel.
#include "host/FrmBase.h"
#include "ui/Button.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace payment {

class TFrmExport : public host::TFrmBase {
 public:
  TFrmExport(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel);

  ui::Panel* panelExport;
  ui::ToolBar* ToolBar1;
  ui::ToolButton* btnExit;

  ui::Panel* MainPanel() override { return panelExport; }

  void btnExitClick(ui::Button& sender);
};

}  // namespace payment
