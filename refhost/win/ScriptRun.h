#pragma once
// ScriptRun: the host's scripted mode, for the Wine tests and the demo without a
// display. It opens each screen through its entry point, checks what the library
// did (embedding, font, resize, close notice, references), saves a screenshot of
// each open screen and closes it again, as a user of the host would.
#include <windows.h>

#include <string>

#include "refhost/win/HostWindow.h"
#include "refhost/win/NullDataService.h"
#include "refhost/win/ScreenLibrary.h"
#include "refhost/win/ScriptReport.h"

namespace refhost {

class ScriptRun {
 public:
  // Screenshots go to `screenshotDir` (none when empty).
  ScriptRun(HostWindow& host, ScreenLibrary& library, NullDataService& service,
            std::string operatorText, std::wstring screenshotDir);

  // Runs every step; the findings go to the report.
  void Run(ScriptReport& report);

 private:
  // Opens screen `index`; returns its window, or null when none appeared.
  HWND Open(std::size_t index, ScriptReport& report);
  void CheckEmbedding(std::size_t index, HWND screen, ScriptReport& report);
  void CheckFont(HWND exitButton, ScriptReport& report);
  void CheckResize(std::size_t index, HWND screen, ScriptReport& report);
  void SaveScreenshot(std::size_t index, ScriptReport& report);
  // Closes `screen` by `how` (a button click or WM_CLOSE) and checks the close notice.
  void CheckClose(const std::string& name, HWND screen, bool byExitButton, ScriptReport& report);
  void CheckTwoScreensOfOneKind(ScriptReport& report);
  void ResizeClient(int width, int height);

  HostWindow& host_;
  ScreenLibrary& library_;
  NullDataService& service_;
  std::string operatorText_;
  std::wstring screenshotDir_;
};

// Handles pending messages of this thread, painting included.
void PumpMessages();

}  // namespace refhost
