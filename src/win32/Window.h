#pragma once
// win32::Window: the base of the thin Win32 control wrappers. It owns one HWND,
// routes that window's messages to one method per message, and carries typed
// handlers. Windows of our own classes get their messages through our window
// procedure; system controls (BUTTON, EDIT, COMBOBOX, STATIC) report to their parent,
// which reflects WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* back to the child's wrapper.
// The window procedure is an exception boundary: nothing unwinds into Windows.
#include "win32/WindowsApi.h"

#include <functional>
#include <string>

namespace win32 {

// What a wrapper needs to create its window; the defaults make a visible child.
struct WindowArgs {
  const wchar_t* systemClass = nullptr;  // a system control class, or null for our own
  std::wstring ownClass = L"FeeScreensWindow";  // our class, registered on first use
  HWND parent = nullptr;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  int left = 0, top = 0, width = 0, height = 0;
  std::string text;  // UTF-8
};

class Window {
 public:
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The window, or null once it is gone.
  HWND Handle() const { return hwnd_; }
  // The wrapper of one of our windows, or null for any other window.
  static Window* FromHandle(HWND hwnd);

  // Position and size in the parent's client area (a top-level window: the screen).
  void SetBounds(int left, int top, int width, int height);
  // Shows (without activating) or hides the window.
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  // The window text (caption), UTF-8.
  void SetText(const std::string& text);
  std::string Text() const;
  // The font drawn with (not owned; the font cache keeps it alive).
  void SetFont(HFONT font);
  // The font set last, or null for the system font.
  HFONT Font() const { return font_; }
  // Background and text colours; the background also answers WM_CTLCOLOR*.
  void SetColors(COLORREF background, COLORREF text);
  // The colours set last.
  COLORREF Background() const { return background_; }
  COLORREF TextColor() const { return textColor_; }
  // Draw the parent's background instead of our own (a transparent label).
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  // The brush of the background (the parent's when transparent).
  HBRUSH BackgroundBrush();

  // Called on WM_SIZE with the new client size.
  std::function<void(int width, int height)> onSize;
  // Called when the window is destroyed by someone else (its parent went away).
  std::function<void()> onDestroyedElsewhere;

 protected:
  Window() = default;
  // Creates the window; throws std::runtime_error when Windows refuses.
  void Create(const WindowArgs& args);
  // True while SetText changes the text (a control's change notice is then ours).
  bool SettingText() const { return settingText_; }

  // One method per message. Return true when handled (result in `result`).
  virtual bool OnCommand(WORD notification) { return false; }
  virtual bool OnNotify(NMHDR& header, LRESULT& result) { return false; }
  virtual HBRUSH OnCtlColor(HDC dc);
  // Draws over the background, which is filled already.
  virtual void OnPaint(HDC dc, const RECT& client) {}
  virtual bool OnClose() { return false; }
  virtual void OnSize(int width, int height);
  // Any other message of our own classes; return true when handled.
  virtual bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return false;
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void Forget();

  HWND hwnd_ = nullptr;
  bool ownClass_ = false;
  bool destroying_ = false;
  bool settingText_ = false;
  HFONT font_ = nullptr;
  COLORREF background_ = GetSysColor(COLOR_BTNFACE);
  COLORREF textColor_ = GetSysColor(COLOR_WINDOWTEXT);
  HBRUSH brush_ = nullptr;
  bool transparent_ = false;
};

}  // namespace win32
