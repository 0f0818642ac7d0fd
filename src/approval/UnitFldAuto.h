#pragma once
// TFrmFldAuto, caption "审批表自动生成": the screen its export opens inside the host's panel.
#include "host/FrmBase.h"
#include "ui/Button.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace approval {

class TFrmFldAuto : public host::TFrmBase {
 public:
  TFrmFldAuto(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel);

  ui::Panel* PanelFldAuto;
  ui::ToolBar* ToolBar1;
  ui::ToolButton* tbnExit;

  ui::Panel* MainPanel() override { return PanelFldAuto; }

  void tbnExitClick(ui::Button& sender);
};

}  // namespace approval
