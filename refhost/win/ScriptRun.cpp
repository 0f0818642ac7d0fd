#include "refhost/win/ScriptRun.h"

#include <algorithm>

#include "refhost/win/WindowCapture.h"
#include "refhost/win/WindowQueries.h"
#include "win32/WideText.h"

namespace refhost {
namespace {

constexpr char kExitCaption[] = "退  出";
constexpr int kClientWidth = 900, kClientHeight = 620;
constexpr int kResizedWidth = 820, kResizedHeight = 560;

std::string SizeText(SIZE size) {
  return std::to_string(size.cx) + "x" + std::to_string(size.cy);
}

bool HasChildOfSize(HWND parent, SIZE size) {
  const std::vector<HWND> children = Children(parent);
  return std::any_of(children.begin(), children.end(), [&](HWND child) {
    const SIZE s = WindowSize(child);
    return s.cx == size.cx && s.cy == size.cy;
  });
}

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

void PumpMessages() {
  MSG message;
  for (int handled = 0; handled < 100000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
       ++handled) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

ScriptRun::ScriptRun(HostWindow& host, ScreenLibrary& library, NullDataService& service,
                     std::string operatorText, std::wstring screenshotDir)
    : host_(host),
      library_(library),
      service_(service),
      operatorText_(std::move(operatorText)),
      screenshotDir_(std::move(screenshotDir)) {}

void ScriptRun::Run(ScriptReport& report) {
  ResizeClient(kClientWidth, kClientHeight);
  for (std::size_t index = 0; index < kScreenEntries.size(); ++index) {
    const std::string name = kScreenEntries[index].exportName;
    HWND screen = Open(index, report);
    if (screen == nullptr) continue;
    CheckEmbedding(index, screen, report);
    CheckResize(index, screen, report);
    SaveScreenshot(index, report);
    ResizeClient(kClientWidth, kClientHeight);
    CheckClose(name, screen, true, report);
  }
  CheckTwoScreensOfOneKind(report);
  report.Note("data service calls answered: " + std::to_string(service_.Calls()));
}

HWND ScriptRun::Open(std::size_t index, ScriptReport& report) {
  const std::string name = kScreenEntries[index].exportName;
  const std::vector<HWND> before = host_.Screens();
  library_.Open(index, host_.Handle(), operatorText_, host_.Panel(), &service_);
  PumpMessages();
  HWND screen = nullptr;
  for (HWND window : host_.Screens()) {
    if (!Contains(before, window)) screen = window;
  }
  report.Check(screen != nullptr, name + " embeds a new window in the host panel");
  return screen;
}

void ScriptRun::CheckEmbedding(std::size_t index, HWND screen, ScriptReport& report) {
  const std::string name = kScreenEntries[index].exportName;
  const std::string caption = kScreenEntries[index].caption;
  report.Check(WindowText(screen) == caption, name + " screen caption is \"" + caption + "\"");
  const LONG_PTR style = GetWindowLongPtrW(screen, GWL_STYLE);
  report.Check((style & WS_CHILD) && GetParent(screen) == host_.Panel() && IsWindowVisible(screen),
               name + " screen is a visible child window of the host panel");
  const SIZE panel = ClientSize(host_.Panel());
  report.Check(HasChildOfSize(screen, panel),
               name + " main panel is sized to the host panel (" + SizeText(panel) + ")");
  report.Check(service_.References() > 1, name + " keeps a reference to the data service (" +
                                              std::to_string(service_.References()) + " held)");
  HWND exitButton = FindByText(screen, kExitCaption);
  report.Check(exitButton != nullptr, name + " has the \"" + std::string(kExitCaption) + "\" button");
  if (exitButton == nullptr) return;
  RECT button{};
  GetWindowRect(exitButton, &button);
  const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  report.Check(IsWindowVisible(exitButton) && WindowFromPoint(centre) == exitButton,
               name + " exit button is on top, where a click reaches it");
  CheckFont(exitButton, report);
}

void ScriptRun::CheckFont(HWND exitButton, ScriptReport& report) {
  const WindowFont font = FontOf(exitButton);
  report.Check(font.face == "宋体" && font.height == -12 && font.charset == GB2312_CHARSET,
               "controls use 宋体, 12 pixels, GB2312 (found \"" + font.face + "\", " +
                   std::to_string(font.height) + ", charset " + std::to_string(font.charset) +
                   ")");
  report.Check(FontHasGlyphs(exitButton, "退出审批表自动生成成批导入付款单"),
               "the screen font has glyphs for the Chinese captions");
}

void ScriptRun::CheckResize(std::size_t index, HWND screen, ScriptReport& report) {
  const std::string name = kScreenEntries[index].exportName;
  const int before = host_.CloseNotices();
  ResizeClient(kResizedWidth, kResizedHeight);
  PumpMessages();
  const SIZE panel = ClientSize(host_.Panel());
  report.Check(panel.cx == kResizedWidth && panel.cy == kResizedHeight,
               "host panel resized to " + SizeText(panel));
  report.Check(HasChildOfSize(screen, panel),
               name + " PanelMain follows message 0x402 (" + SizeText(panel) + ")");
  report.Check(host_.CloseNotices() == before && IsWindow(screen),
               name + " stays open across the resize");
}

void ScriptRun::SaveScreenshot(std::size_t index, ScriptReport& report) {
  if (screenshotDir_.empty()) return;
  const std::string name = kScreenEntries[index].exportName;
  const RgbImage image = CaptureClient(host_.Panel());
  const std::vector<std::uint8_t> png = EncodePng(image);
  const std::wstring path = screenshotDir_ + L"/" + win32::Wide(name) + L".png";
  CreateDirectoryW(screenshotDir_.c_str(), nullptr);
  report.Check(WriteWholeFile(path, png), name + " screenshot " + win32::Utf8(path) + " (" +
                                std::to_string(image.width) + "x" + std::to_string(image.height) +
                                ")");
}

void ScriptRun::CheckClose(const std::string& name, HWND screen, bool byExitButton,
                           ScriptReport& report) {
  const int before = host_.CloseNotices();
  if (byExitButton) {
    HWND exitButton = FindByText(screen, kExitCaption);
    if (exitButton == nullptr) {
      report.Check(false, name + " cannot be closed: no exit button");
      return;
    }
    SendMessageW(exitButton, BM_CLICK, 0, 0);
  } else {
    SendMessageW(screen, WM_CLOSE, 0, 0);
  }
  PumpMessages();
  const std::string how = byExitButton ? "the exit button" : "WM_CLOSE";
  const int notices = host_.CloseNotices() - before;
  report.Check(notices == 1, name + " closed by " + how + " sends exactly one 1028 (got " +
                                 std::to_string(notices) + ")");
  report.Check(notices == 0 || Contains(host_.ScreensAtLastNotice(), screen),
               name + " sends 1028 before its window goes");
  report.Check(!IsWindow(screen), name + " window is destroyed after the close");
}

void ScriptRun::CheckTwoScreensOfOneKind(ScriptReport& report) {
  HWND first = Open(0, report);
  HWND second = Open(0, report);
  if (first == nullptr || second == nullptr) return;
  report.Check(first != second && IsWindow(first) && IsWindow(second),
               "two GetFormOne calls give two independent screens");
  CheckClose("second GetFormOne", second, false, report);
  report.Check(IsWindow(first), "the first GetFormOne screen stays open");
  CheckClose("first GetFormOne", first, true, report);
}

void ScriptRun::ResizeClient(int width, int height) {
  // The frame is whatever the window has now (a wrapped menu bar included).
  const SIZE outer = WindowSize(host_.Handle());
  const SIZE client = ClientSize(host_.Handle());
  SetWindowPos(host_.Handle(), nullptr, 0, 0, outer.cx + width - client.cx,
               outer.cy + height - client.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace refhost
