#include "refhost/win/HostWindow.h"

#include <stdexcept>
#include <string>

#include "refhost/win/ScreenLibrary.h"
#include "win32/WideText.h"

namespace refhost {
namespace {

constexpr wchar_t kMainClass[] = L"FeeHostMainWindow";
constexpr wchar_t kPanelClass[] = L"FeeHostPanel";
constexpr int kFirstScreenCommand = 100;
constexpr int kExitCommand = 199;

void RegisterClasses(HINSTANCE instance, WNDPROC mainProc) {
  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = mainProc;
  main.hInstance = instance;
  main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  main.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  main.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
  main.lpszClassName = kMainClass;
  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.lpfnWndProc = DefWindowProcW;
  panel.hInstance = instance;
  panel.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  panel.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  panel.lpszClassName = kPanelClass;
  // Registering twice (a second window) is harmless.
  RegisterClassExW(&main);
  RegisterClassExW(&panel);
}

HMENU BuildMenu() {
  HMENU screens = CreatePopupMenu();
  for (std::size_t i = 0; i < kScreenEntries.size(); ++i) {
    AppendMenuW(screens, MF_STRING, kFirstScreenCommand + i,
                win32::Wide(kScreenEntries[i].caption).c_str());
  }
  AppendMenuW(screens, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(screens, MF_STRING, kExitCommand, L"退出(&X)");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(screens), L"屏幕(&S)");
  return bar;
}

}  // namespace

HostWindow::HostWindow(HINSTANCE instance, int clientWidth, int clientHeight) {
  RegisterClasses(instance, &HostWindow::WindowProc);
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  HMENU menu = BuildMenu();
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  window_ = CreateWindowExW(0, kMainClass, L"FeeHost", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, menu,
                            instance, this);
  if (window_ == nullptr) throw std::runtime_error("cannot create the host window");
  panel_ = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                           clientWidth, clientHeight, window_, nullptr, instance, nullptr);
  if (panel_ == nullptr) throw std::runtime_error("cannot create the host panel");
  ShowNoticeCount();
}

HostWindow::~HostWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

std::vector<HWND> HostWindow::Screens() const {
  std::vector<HWND> screens;
  for (HWND child = GetWindow(panel_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    screens.push_back(child);
  }
  return screens;
}

LRESULT CALLBACK HostWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<HostWindow*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    MessageBoxW(window, win32::Wide(error.what()).c_str(), L"错误", MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxW(window, L"未知错误", L"错误", MB_OK | MB_ICONERROR);
  }
  return 0;
}

LRESULT HostWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case kCloseNotice:
      OnCloseNotice();
      return 0;
    case WM_TIMER:
      OnTimer();
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void HostWindow::OnSize() {
  if (panel_ == nullptr) return;
  RECT client;
  GetClientRect(window_, &client);
  MoveWindow(panel_, 0, 0, client.right, client.bottom, TRUE);
  RECT panel;
  GetClientRect(panel_, &panel);
  for (HWND screen : Screens()) SendMessageW(screen, kResizeMessage, panel.bottom, panel.right);
}

void HostWindow::OnCommand(int id) {
  if (id == kExitCommand) {
    DestroyWindow(window_);
  } else if (id >= kFirstScreenCommand &&
             id < kFirstScreenCommand + static_cast<int>(kScreenEntries.size())) {
    if (onOpenScreen) onOpenScreen(static_cast<std::size_t>(id - kFirstScreenCommand));
  }
}

void HostWindow::StartTimer(UINT milliseconds) { SetTimer(window_, 1, milliseconds, nullptr); }

void HostWindow::OnTimer() {
  if (onTimer) onTimer();
}

void HostWindow::OnCloseNotice() {
  ++closeNotices_;
  screensAtLastNotice_ = Screens();
  ShowNoticeCount();
}

void HostWindow::ShowNoticeCount() {
  const std::wstring title =
      L"FeeHost - 参考宿主 (关闭通知 1028: " + std::to_wstring(closeNotices_) + L")";
  SetWindowTextW(window_, title.c_str());
}

}  // namespace refhost
