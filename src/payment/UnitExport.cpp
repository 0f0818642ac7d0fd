#include "payment/UnitExport.h"

#include "ui/Make.h"

namespace payment {

TFrmExport::TFrmExport(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel)
    : TFrmBase("TFrmExport", hostWindow, hostPanel) {
  Name = "FrmExport";
  SetCaption("付款单自动生成");
  panelExport = CreateMainPanel("panelExport");
  ToolBar1 = ui::Make<ui::ToolBar>(this, panelExport, "ToolBar1");
  btnExit = CreateToolButton(ToolBar1, "btnExit", "退  出");
  btnExit->OnClick = [this](ui::Button& sender) { btnExitClick(sender); };
}

void TFrmExport::btnExitClick(ui::Button&) { Close(); }

}  // namespace payment
