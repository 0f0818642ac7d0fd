#include "win32/Win32Backend.h"

#include <algorithm>

#include "win32/ControlPeers.h"
#include "win32/FormPeer.h"
#include "win32/WideText.h"
#include "win32/WindowClasses.h"
#include "win32/WindowHandles.h"

namespace win32 {
namespace {

constexpr UINT kReleaseMessage = WM_USER + 1;

// A plain pointer: at process exit nothing is torn down (the host's windows and
// objects may be gone); Shutdown, on FreeLibrary, deletes it.
Win32Backend* g_instance = nullptr;

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

// The thread's other top-level windows, disabled while a modal form is up.
std::vector<HWND> DisableOtherWindows(HWND modal) {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                    reinterpret_cast<LPARAM>(&windows));
  windows.erase(std::remove(windows.begin(), windows.end(), modal), windows.end());
  for (HWND window : windows) EnableWindow(window, FALSE);
  return windows;
}

}  // namespace

Win32Backend::Win32Backend() {
  WindowArgs args;
  args.ownClass = L"FeeScreensMessages";
  args.parent = HWND_MESSAGE;
  args.style = 0;
  messages_ = std::make_unique<FormWindow>(args);
  messages_->onAppMessage = [this](UINT message, WPARAM, LPARAM) {
    if (message != kReleaseMessage) return false;
    ProcessReleases();
    return true;
  };
  ui::SetBackend(this);
}

Win32Backend::~Win32Backend() {
  ProcessReleases();
  // Forms still open (the host unloads us with screens showing): free them, owners
  // first; each frees what it owns.
  while (ui::Form* form = FormPeer::FirstOwnerlessForm()) form->Free();
  messages_.reset();
  fonts_.Clear();
  ui::SetBackend(nullptr);
  UnregisterWindowClasses();
}

void Win32Backend::Install() {
  if (g_instance == nullptr) g_instance = new Win32Backend();
}

void Win32Backend::Shutdown() {
  delete g_instance;
  g_instance = nullptr;
}

std::unique_ptr<ui::ControlPeer> Win32Backend::CreatePeer(ui::Control& control) {
  return MakeControlPeer(control, fonts_);
}

ui::ModalResult Win32Backend::RunModal(ui::Form& form) {
  HWND window = ToHwnd(form.Handle());
  const std::vector<HWND> disabled = DisableOtherWindows(window);
  ShowWindow(window, SW_SHOW);
  SetActiveWindow(window);
  MSG message;
  while (IsWindow(window) && form.GetModalResult() == ui::mrNone) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is quitting: end the form and pass the quit on to the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      form.SetModalResult(ui::mrCancel);
      break;
    }
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  for (HWND other : disabled) EnableWindow(other, TRUE);
  if (IsWindow(window)) {
    HWND owner = GetWindow(window, GW_OWNER);
    ShowWindow(window, SW_HIDE);
    if (owner != nullptr) SetActiveWindow(owner);
  }
  return IsWindow(window) ? form.GetModalResult() : ui::mrCancel;
}

int Win32Backend::MessageBox(ui::WindowHandle owner, const std::string& text,
                             const std::string& caption, unsigned flags) {
  HWND ownerWindow = owner != 0 ? GetAncestor(ToHwnd(owner), GA_ROOT) : GetActiveWindow();
  return MessageBoxW(ownerWindow, Wide(text).c_str(), Wide(caption).c_str(), flags);
}

std::intptr_t Win32Backend::SendMessage(ui::WindowHandle target, unsigned message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
  return SendMessageW(ToHwnd(target), message, wParam, lParam);
}

void Win32Backend::SetParentWindow(ui::WindowHandle child, ui::WindowHandle parent) {
  HWND window = ToHwnd(child);
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (parent != 0) {
    style = (style & ~static_cast<LONG_PTR>(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU |
                                            WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
            WS_CHILD;
  } else {
    style = (style & ~static_cast<LONG_PTR>(WS_CHILD)) | WS_POPUP;
  }
  SetWindowLongPtrW(window, GWL_STYLE, style);
  SetParent(window, ToHwnd(parent));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

ui::Size Win32Backend::ClientSize(ui::WindowHandle window) {
  RECT client{};
  GetClientRect(ToHwnd(window), &client);
  return {client.right - client.left, client.bottom - client.top};
}

void Win32Backend::ReleaseLater(ui::Form& form) {
  if (std::find(pendingRelease_.begin(), pendingRelease_.end(), &form) != pendingRelease_.end()) {
    return;
  }
  pendingRelease_.push_back(&form);
  PostMessageW(messages_->Handle(), kReleaseMessage, 0, 0);
}

void Win32Backend::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  ProcessReleases();
}

ui::Size Win32Backend::TextExtent(const ui::Font& font, const std::string& text) {
  const std::wstring wide = Wide(text);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, fonts_.Get(font));
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {size.cx, size.cy};
}

ui::Size Win32Backend::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Backend::ProcessReleases() {
  while (!pendingRelease_.empty()) {
    ui::Form* form = pendingRelease_.front();
    pendingRelease_.erase(pendingRelease_.begin());
    form->Free();
  }
}

}  // namespace win32
