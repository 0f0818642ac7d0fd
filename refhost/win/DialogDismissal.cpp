#include "refhost/win/DialogDismissal.h"

#include <windows.h>

#include "refhost/win/WindowQueries.h"

namespace refhost {

std::vector<DismissedDialog> DismissThreadDialogs() {
  std::vector<DismissedDialog> dismissed;
  for (HWND dialog : ThreadDialogs()) {
    DismissedDialog box{WindowText(dialog), ""};
    for (HWND child : Children(dialog)) {
      wchar_t className[16] = {};
      GetClassNameW(child, className, 16);
      const std::string text = WindowText(child);
      if (lstrcmpiW(className, L"Static") != 0 || text.empty()) continue;
      box.text += (box.text.empty() ? "" : " ") + text;
    }
    dismissed.push_back(box);
    for (WPARAM id : {IDCANCEL, IDNO, IDOK}) PostMessageW(dialog, WM_COMMAND, id, 0);
  }
  return dismissed;
}

}  // namespace refhost
