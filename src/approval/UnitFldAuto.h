#pragma once
// TFrmFldAuto, caption "审批表自动生成": the screen its export opens inside the host's panel.
// It works for one accounting unit, kept per host window in the shared slots; when the
// slot holds none, the operator's unit is determined (or chosen) as the screen opens.
//
// The service object belongs to the screen (not to the library), so two screens open
// side by side each keep their own.
#include <memory>
#include <string>

#include "host/FrmBase.h"
#include "services/SysmsgInfo.h"
#include "services/UnitZidudClass.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace approval {

class TFrmFldAuto : public host::TFrmBase {
 public:
  TFrmFldAuto(ui::WindowHandle hostWindow, ui::WindowHandle hostPanel);
  ~TFrmFldAuto() override;

  ui::Panel* PanelFldAuto;
  ui::ToolBar* ToolBar1;
  ui::ToolButton* tbnExit;
  ui::Panel* PanelTitle;   // the title band under the tool bar
  ui::Label* lblBillTitle;
  ui::Label* lblhsdw;      // the accounting unit

  // The accounting unit the screen works for; empty until one is known.
  std::string Hsdwh;
  std::string Hsdwmc;
  // The system values loaded as the screen opened.
  services::TsysmsgInfo SysmsgInfo;

  ui::Panel* MainPanel() override { return PanelFldAuto; }
  // The screen's service object (null before creation ran).
  services::TZidudClass* Zidud() const { return zidud_.get(); }

  void FormCreate(ui::Form& sender);
  void tbnExitClick(ui::Button& sender);

 private:
  // Takes the unit from the host window's slot, or determines it and stores it there;
  // false when the screen has to close.
  bool TakeAccountingUnit();
  // An error box on the screen.
  void ShowError(const std::string& text);

  std::unique_ptr<services::TZidudClass> zidud_;
};

}  // namespace approval
