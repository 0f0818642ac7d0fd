#include "win32/Window.h"

#include <commctrl.h>

#include <stdexcept>
#include <unordered_map>

#include "ui/Events.h"
#include "win32/WideText.h"
#include "win32/WindowClasses.h"
#include "win32/WindowHandles.h"

namespace win32 {
namespace {

std::unordered_map<HWND, Window*>& Wrappers() {
  static std::unordered_map<HWND, Window*> wrappers;
  return wrappers;
}

// System controls are subclassed only to learn when they are destroyed.
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

Window::~Window() {
  if (brush_ != nullptr) DeleteObject(brush_);
  if (hwnd_ == nullptr) return;
  destroying_ = true;
  DestroyWindow(hwnd_);  // WM_NCDESTROY forgets the handle
  if (hwnd_ != nullptr) Forget();
}

Window* Window::FromHandle(HWND hwnd) {
  const auto it = Wrappers().find(hwnd);
  return it == Wrappers().end() ? nullptr : it->second;
}

void Window::Create(const WindowArgs& args) {
  static int nextId = 1000;
  const wchar_t* className = args.systemClass;
  ownClass_ = className == nullptr;
  if (ownClass_) {
    EnsureWindowClass(args.ownClass, &Window::WindowProc);
    className = args.ownClass.c_str();
  }
  // A child's id; ours are found by handle, the id only keeps dialog navigation happy.
  HMENU id = (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++))
                                     : nullptr;
  HWND hwnd = CreateWindowExW(args.exStyle, className, Wide(args.text).c_str(), args.style,
                              args.left, args.top, args.width, args.height, args.parent, id,
                              ModuleInstance(), this);
  if (hwnd == nullptr) {
    throw std::runtime_error("cannot create a window (error " + std::to_string(GetLastError()) +
                             ")");
  }
  if (!ownClass_) {
    hwnd_ = hwnd;
    Wrappers()[hwnd] = this;
    SetWindowSubclass(hwnd, &Window::SubclassProc, kSubclassId, 0);
  }
  // Windows puts a new child below its siblings; the model stacks a later control
  // above the earlier ones (a screen's own panel over the base form's PanelMain).
  if (args.style & WS_CHILD) {
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Window::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void Window::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Window::SetText(const std::string& text) {
  settingText_ = true;
  SetWindowTextW(hwnd_, Wide(text).c_str());
  settingText_ = false;
}

std::string Window::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

void Window::SetFont(HFONT font) {
  font_ = font;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Window::SetColors(COLORREF background, COLORREF text) {
  if (background != background_ && brush_ != nullptr) {
    DeleteObject(brush_);
    brush_ = nullptr;
  }
  background_ = background;
  textColor_ = text;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Window::BackgroundBrush() {
  if (transparent_) {
    if (Window* parent = FromHandle(GetParent(hwnd_))) return parent->BackgroundBrush();
  }
  if (brush_ == nullptr) brush_ = CreateSolidBrush(background_);
  return brush_;
}

HBRUSH Window::OnCtlColor(HDC dc) {
  SetTextColor(dc, textColor_);
  if (transparent_) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkColor(dc, background_);
  }
  return BackgroundBrush();
}

void Window::OnSize(int width, int height) {
  if (onSize) onSize(width, height);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    Wrappers()[hwnd] = self;
  }
  Window* self = FromHandle(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  // The event boundary: an error is shown with caption "错误" and goes no further.
  ui::RunGuarded(ToHandle(hwnd), [&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &Window::SubclassProc, id);
    if (Window* self = FromHandle(hwnd)) self->Forget();
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Every path returns straight after the handler it calls: a handler may free this
// wrapper (a button that closes its form), so nothing of it is touched afterwards.
LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Reflect(message, wParam, lParam, result)) return result;
  HWND hwnd = hwnd_;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      Paint(dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CLOSE:
      if (OnClose()) return 0;
      break;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_NCDESTROY:
      Forget();
      return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      if (OnOtherMessage(message, wParam, lParam, result)) return result;
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Window::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, BackgroundBrush());
  OnPaint(dc, client);
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
        return child->OnCommand(HIWORD(wParam));
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Window* child = FromHandle(header->hwndFrom)) return child->OnNotify(*header, result);
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
        result = reinterpret_cast<LRESULT>(child->OnCtlColor(reinterpret_cast<HDC>(wParam)));
        return true;
      }
      return false;
    default:
      return false;
  }
}

void Window::Forget() {
  Wrappers().erase(hwnd_);
  hwnd_ = nullptr;
  if (!destroying_ && onDestroyedElsewhere) onDestroyedElsewhere();
}

}  // namespace win32
