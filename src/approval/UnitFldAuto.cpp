#include "approval/UnitFldAuto.h"

#include "base/Text.h"
#include "host/HostContext.h"
#include "host/ShareData.h"
#include "ui/Backend.h"
#include "ui/Make.h"

namespace approval {
namespace {

// Start and current year-month, current date, operator name, head-office group and
// what the parameter load needs besides.
const services::TSysmsgSet kRequest = services::SysmsgSet({0, 1, 3, 4, 12, 13, 14, 16, 100});

ui::Font BoldFont(int pixels) {
  ui::Font font{"宋体", -pixels, ui::GB2312_CHARSET};
  font.bold = true;
  return font;
}

}  // namespace

TFrmFldAuto::TFrmFldAuto(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel)
    : TFrmBase("TFrmFldAuto", hostWindow, hostPanel) {
  Name = "FrmFldAuto";
  SetCaption("审批表自动生成");
  PanelFldAuto = CreateMainPanel("PanelFldAuto");
  ToolBar1 = ui::Make<ui::ToolBar>(this, PanelFldAuto, "ToolBar1");
  tbnExit = CreateToolButton(ToolBar1, "tbnExit", "退  出");
  tbnExit->OnClick = [this](ui::Button& sender) { tbnExitClick(sender); };

  PanelTitle = ui::Make<ui::Panel>(this, PanelFldAuto, "PanelTitle");
  PanelTitle->SetBevelOuter(ui::BevelKind::None);
  PanelTitle->SetAlign(ui::Align::Top);
  PanelTitle->SetHeight(56);
  lblBillTitle = ui::Make<ui::Label>(this, PanelTitle, "lblBillTitle");
  lblBillTitle->SetCaption("审批表自动生成");
  lblBillTitle->SetFont(BoldFont(24));
  lblBillTitle->Alignment = ui::TextAlignment::Center;
  lblBillTitle->SetBounds(0, 4, PanelTitle->Width(), 28);
  lblBillTitle->SetAlign(ui::Align::Top);
  lblhsdw = ui::Make<ui::Label>(this, PanelTitle, "lblhsdw");
  lblhsdw->SetFont(BoldFont(16));
  lblhsdw->Alignment = ui::TextAlignment::Center;
  lblhsdw->SetBounds(0, 34, PanelTitle->Width(), 20);
  lblhsdw->SetAlign(ui::Align::Top);

  OnCreate = [this](ui::Form& sender) { FormCreate(sender); };
}

TFrmFldAuto::~TFrmFldAuto() = default;

void TFrmFldAuto::FormCreate(ui::Form&) {
  const host::HostContext& context = host::Context();
  zidud_ = std::make_unique<services::TZidudClass>(context.service, Handle());
  SysmsgInfo.zybm = context.operatorText;
  std::string error;
  if (!zidud_->GetSysmsgInfo(SysmsgInfo, kRequest, error)) {
    ShowError(error);  // the screen stays open, without a unit
    return;
  }
  if (!TakeAccountingUnit()) {
    Close();
    return;
  }
  lblhsdw->SetCaption("核算单位：" + Hsdwh + " " + Hsdwmc);
}

bool TFrmFldAuto::TakeAccountingUnit() {
  const ui::WindowHandle hostWindow = host::Context().hostWindow;
  host::ShareData& slots = host::ProcessShareData();
  const host::SlotUnit stored = slots.ReadSlotUnit(hostWindow);
  Hsdwh = stored.code;
  Hsdwmc = stored.name;
  if (!Hsdwh.empty()) return true;

  if (!zidud_->ChooseAccountingUnit(SysmsgInfo.zbbm, SysmsgInfo.zybm, Hsdwh, Hsdwmc)) {
    ShowError("取核算单位出错！");
    return false;
  }
  if (base::Trim(Hsdwh).empty()) {
    ShowError("请选择核算单位号");
    return false;
  }
  slots.WriteSlotUnit(hostWindow, Hsdwh, Hsdwmc);
  return true;
}

void TFrmFldAuto::ShowError(const std::string& text) {
  ui::CurrentBackend().MessageBox(Handle(), text, "错误", ui::MB_OK | ui::MB_ICONERROR);
}

void TFrmFldAuto::tbnExitClick(ui::Button&) { Close(); }

}  // namespace approval
