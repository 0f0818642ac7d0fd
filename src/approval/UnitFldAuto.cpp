#include "approval/UnitFldAuto.h"

#include "ui/Make.h"

namespace approval {

TFrmFldAuto::TFrmFldAuto(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel)
    : TFrmBase("TFrmFldAuto", hostWindow, hostPanel) {
  Name = "FrmFldAuto";
  SetCaption("审批表自动生成");
  PanelFldAuto = CreateMainPanel("PanelFldAuto");
  ToolBar1 = ui::Make<ui::ToolBar>(this, PanelFldAuto, "ToolBar1");
  tbnExit = CreateToolButton(ToolBar1, "tbnExit", "退  出");
  tbnExit->OnClick = [this](ui::Button& sender) { tbnExitClick(sender); };
}

void TFrmFldAuto::tbnExitClick(ui::Button&) { Close(); }

}  // namespace approval
