#pragma once
// Windows that nobody will answer (in a scripted run, in a test): read them and
// dismiss them, so that a stray message box or modal form becomes a reported
// finding instead of a hang.
#include <windows.h>

#include <string>
#include <vector>

namespace refhost {

// One dismissed window: its caption and the texts of its static controls.
struct DismissedDialog {
  std::string caption;
  std::string text;
};

// Answers every visible dialog box (message box) of the current thread: Cancel, No
// or OK, whichever it has. The answer takes effect when its modal loop runs next.
std::vector<DismissedDialog> DismissThreadDialogs();
// The same, and every other visible top-level window of the thread but `keep` is
// asked to close (WM_CLOSE ends a modal form).
std::vector<DismissedDialog> DismissThreadWindowsExcept(HWND keep);

}  // namespace refhost
