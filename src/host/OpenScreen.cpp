#include "host/OpenScreen.h"

#include "host/Exports.h"
#include "host/HostContext.h"
#include "ui/Backend.h"

namespace host {

namespace {

void StoreContext(ScreenKind kind, ui::WindowHandle hostWindow, std::string operatorText,
                  const std::shared_ptr<HostDispatch>& service) {
  HostContext& context = Context();
  context.hostWindow = hostWindow;
  context.service = service;
  switch (kind) {
    case ScreenKind::FldAuto:
      context.fldAutoHistoryService = service;
      context.itemMappingService = service;
      break;
    case ScreenKind::Import: context.importService = service; break;
    case ScreenKind::Export: context.exportHistoryService = service; break;
  }
  context.operatorText = std::move(operatorText);
}

}  // namespace

TFrmBase* EmbedScreen(ScreenKind kind, ui::WindowHandle hostWindow, std::string operatorText,
                      ui::WindowHandle hostPanel, std::shared_ptr<HostDispatch> service,
                      const std::function<TFrmBase*()>& create) {
  // `service` is this call's own reference; the context's replace the earlier ones.
  StoreContext(kind, hostWindow, std::move(operatorText), service);

  TFrmBase* screen = create();
  ui::Backend& backend = ui::CurrentBackend();
  backend.SetParentWindow(screen->Handle(), hostPanel);
  const ui::Size panel = backend.ClientSize(hostPanel);
  screen->SetBounds(0, 0, panel.width, panel.height);
  ui::Panel* main = screen->MainPanel();
  main->SetHeight(panel.height);
  main->SetWidth(panel.width);
  screen->Show();
  return screen;
}

}  // namespace host
