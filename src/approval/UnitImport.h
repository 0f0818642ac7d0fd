#pragma once
// TFrmImport, caption "审批表成批导入": the screen its export opens inside the host's panel.
#include "host/FrmBase.h"
#include "ui/Button.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace approval {

class TFrmImport : public host::TFrmBase {
 public:
  TFrmImport(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel);

  ui::Panel* PanelFldImport;
  ui::ToolBar* ToolBar1;
  ui::ToolButton* btnExit;

  ui::Panel* MainPanel() override { return PanelFldImport; }

  void btnExitClick(ui::Button& sender);
};

}  // namespace approval
