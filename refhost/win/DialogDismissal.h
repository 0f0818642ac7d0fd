#pragma once
// Message boxes that nobody will answer (a scripted run, a test): read them and
// dismiss them, so that a stray box becomes a reported finding instead of a hang.
#include <string>
#include <vector>

namespace refhost {

// One dismissed dialog: its caption and the texts of its static controls.
struct DismissedDialog {
  std::string caption;
  std::string text;
};

// Reads every visible dialog box of the current thread and answers it (Cancel, No
// or OK, whichever it has); the answer takes effect when its modal loop runs next.
std::vector<DismissedDialog> DismissThreadDialogs();

}  // namespace refhost
