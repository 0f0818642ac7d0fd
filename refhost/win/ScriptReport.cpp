#include "refhost/win/ScriptReport.h"

#include <windows.h>

namespace refhost {

void ScriptReport::Check(bool passed, const std::string& what) {
  ++checks_;
  if (!passed) ++failures_;
  Write((passed ? "ok   " : "FAIL ") + what);
}

void ScriptReport::Note(const std::string& text) { Write("--   " + text); }

void ScriptReport::Summary() {
  Write(std::to_string(checks_) + " checks, " + std::to_string(failures_) + " failed");
}

// Raw UTF-8 bytes, so that the captions read right in a Linux terminal or log.
void ScriptReport::Write(const std::string& line) {
  const std::string text = line + "\n";
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out != nullptr && out != INVALID_HANDLE_VALUE) {
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace refhost
