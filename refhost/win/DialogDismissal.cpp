#include "refhost/win/DialogDismissal.h"

#include "refhost/win/WindowQueries.h"

namespace refhost {
namespace {

bool IsDialogBox(HWND window) { return ClassName(window) == "#32770"; }

DismissedDialog Dismiss(HWND window) {
  DismissedDialog box{WindowText(window), ""};
  for (HWND child : Children(window)) {
    const std::string text = WindowText(child);
    if (text.empty() || lstrcmpiA(ClassName(child).c_str(), "Static") != 0) continue;
    box.text += (box.text.empty() ? "" : " ") + text;
  }
  if (IsDialogBox(window)) {
    for (WPARAM id : {IDCANCEL, IDNO, IDOK}) PostMessageW(window, WM_COMMAND, id, 0);
  } else {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return box;
}

}  // namespace

std::vector<DismissedDialog> DismissThreadDialogs() {
  std::vector<DismissedDialog> dismissed;
  for (HWND window : ThreadWindows()) {
    if (IsDialogBox(window)) dismissed.push_back(Dismiss(window));
  }
  return dismissed;
}

std::vector<DismissedDialog> DismissThreadWindowsExcept(HWND keep) {
  std::vector<DismissedDialog> dismissed;
  for (HWND window : ThreadWindows()) {
    if (window != keep) dismissed.push_back(Dismiss(window));
  }
  return dismissed;
}

}  // namespace refhost
