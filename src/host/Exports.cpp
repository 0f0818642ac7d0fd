// The exported functions' portable half: which screen each one opens. This unit
// sits above the screens (it names them), so it is its own library.
#include "host/Exports.h"

#include "approval/UnitFldAuto.h"
#include "approval/UnitImport.h"
#include "host/HostContext.h"
#include "host/OpenScreen.h"
#include "payment/UnitExport.h"
#include "ui/Events.h"

namespace host {

void OpenScreen(ScreenKind kind, ui::WindowHandle hostWindow, std::string operatorText,
                ui::WindowHandle hostPanel, std::shared_ptr<HostDispatch> service) {
  const auto create = [&]() -> TFrmBase* {
    switch (kind) {
      case ScreenKind::FldAuto:
        return ui::CreateForm<approval::TFrmFldAuto>(hostWindow, hostPanel);
      case ScreenKind::Import: return ui::CreateForm<approval::TFrmImport>(hostWindow, hostPanel);
      case ScreenKind::Export: return ui::CreateForm<payment::TFrmExport>(hostWindow, hostPanel);
    }
    return nullptr;
  };
  ui::RunGuarded(hostPanel, [&] {
    EmbedScreen(kind, hostWindow, std::move(operatorText), hostPanel, std::move(service), create);
  });
}

void ReleaseHostContext() { Context() = HostContext{}; }

}  // namespace host
