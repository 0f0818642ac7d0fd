#include "approval/UnitImport.h"

#include "ui/Make.h"

namespace approval {

TFrmImport::TFrmImport(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel)
    : TFrmBase("TFrmImport", hostWindow, hostPanel) {
  Name = "FrmImport";
  SetCaption("审批表成批导入");
  PanelFldImport = CreateMainPanel("PanelFldImport");
  ToolBar1 = ui::Make<ui::ToolBar>(this, PanelFldImport, "ToolBar1");
  btnExit = CreateToolButton(ToolBar1, "btnExit", "退  出");
  btnExit->OnClick = [this](ui::Button& sender) { btnExitClick(sender); };
}

void TFrmImport::btnExitClick(ui::Button&) { Close(); }

}  // namespace approval
