// FeeHost.exe: the reference host's window program. Without arguments it shows the
// main window and waits for the user; with --script it runs the scripted checks and
// exits with their outcome (0 when all passed).
//
//   FeeHost.exe [--script] [--screenshots DIR] [--dll PATH] [--operator TEXT]
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "refhost/win/DialogDismissal.h"
#include "refhost/win/HostWindow.h"
#include "refhost/win/NullDataService.h"
#include "refhost/win/ScreenLibrary.h"
#include "refhost/win/ScriptReport.h"
#include "refhost/win/ScriptRun.h"
#include "win32/WideText.h"

namespace {

struct Options {
  bool script = false;
  std::wstring screenshotDir;
  std::wstring dllPath;
  std::string operatorText = "0001";
};

std::wstring BesideExecutable(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
}

Options ParseOptions() {
  Options options;
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) {
    const std::wstring arg = args[i];
    const bool hasValue = i + 1 < count;
    if (arg == L"--script") {
      options.script = true;
    } else if (arg == L"--screenshots" && hasValue) {
      options.screenshotDir = args[++i];
    } else if (arg == L"--dll" && hasValue) {
      options.dllPath = args[++i];
    } else if (arg == L"--operator" && hasValue) {
      options.operatorText = win32::Utf8(args[++i]);
    }
  }
  LocalFree(args);
  if (options.dllPath.empty()) options.dllPath = BesideExecutable(L"FeeScreens.dll");
  return options;
}

// A message box or modal form that shows up during a scripted run would wait for a
// user who is not there: note its text and dismiss it. Until the host serves its
// database, the screens' first data calls are refused and say so in message boxes.
void DismissWindows(HWND host, refhost::ScriptReport& report) {
  for (const refhost::DismissedDialog& box : refhost::DismissThreadWindowsExcept(host)) {
    report.Note("window \"" + box.caption + "\" dismissed: " + box.text);
  }
}

int RunScript(refhost::HostWindow& host, refhost::NullDataService& service,
              const Options& options) {
  refhost::ScriptReport report;
  {
    refhost::ScreenLibrary library(options.dllPath);
    host.onTimer = [&report, &host] { DismissWindows(host.Handle(), report); };
    host.StartTimer(100);
    ShowWindow(host.Handle(), SW_SHOWNORMAL);
    UpdateWindow(host.Handle());
    refhost::ScriptRun(host, library, service, options.operatorText, options.screenshotDir)
        .Run(report);
    host.onTimer = nullptr;
    library.Unload();
  }
  report.Check(service.References() == 1,
               "unloading the library gives back every data service reference (" +
                   std::to_string(service.References() - 1) + " left)");
  report.Summary();
  return report.Failures() == 0 ? 0 : 1;
}

int RunInteractive(refhost::HostWindow& host, refhost::NullDataService& service,
                   const Options& options) {
  refhost::ScreenLibrary library(options.dllPath);
  host.onOpenScreen = [&](std::size_t index) {
    library.Open(index, host.Handle(), options.operatorText, host.Panel(), &service);
  };
  ShowWindow(host.Handle(), SW_SHOWNORMAL);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const Options options = ParseOptions();
  try {
    auto* service = new refhost::NullDataService();
    int result = 0;
    {
      refhost::HostWindow host(instance, 900, 620);
      result = options.script ? RunScript(host, *service, options)
                              : RunInteractive(host, *service, options);
    }
    service->Release();
    return result;
  } catch (const std::exception& error) {
    const std::string text = std::string("FeeHost: ") + error.what() + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
    if (!options.script) {
      MessageBoxW(nullptr, win32::Wide(error.what()).c_str(), L"错误", MB_OK | MB_ICONERROR);
    }
    return 2;
  }
}
