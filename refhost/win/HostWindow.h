#pragma once
// HostWindow: the reference host's main window. A menu opens the three screens
// into a panel that fills the client area; the window forwards its resizes to the
// open screens with message 0x402 (wParam height, lParam width of the panel) and
// counts the screens' close notices (message 1028).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace refhost {

class HostWindow {
 public:
  // Message a screen form takes as "the host panel is now wParam high, lParam wide".
  static constexpr UINT kResizeMessage = 0x402;
  // Message a screen sends (synchronously) to the host window when it closes.
  static constexpr UINT kCloseNotice = 1028;

  // Creates the (hidden) main window with its panel and menu.
  HostWindow(HINSTANCE instance, int clientWidth, int clientHeight);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  // The main window, which screens report their closing to.
  HWND Handle() const { return window_; }
  // The panel the screens are embedded in.
  HWND Panel() const { return panel_; }
  // The screens' windows: the panel's child windows, topmost first.
  std::vector<HWND> Screens() const;

  // Close notices received so far.
  int CloseNotices() const { return closeNotices_; }
  // The screens that existed when the latest close notice arrived.
  const std::vector<HWND>& ScreensAtLastNotice() const { return screensAtLastNotice_; }

  // Starts a timer that calls onTimer every `milliseconds`, modal loops included.
  void StartTimer(UINT milliseconds);

  // Called with the index of kScreenEntries when a menu command opens a screen.
  std::function<void(std::size_t)> onOpenScreen;
  // Called on every tick of the timer.
  std::function<void()> onTimer;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnSize();
  void OnCommand(int id);
  void OnCloseNotice();
  void OnTimer();
  void ShowNoticeCount();

  HWND window_ = nullptr;
  HWND panel_ = nullptr;
  int closeNotices_ = 0;
  std::vector<HWND> screensAtLastNotice_;
};

}  // namespace refhost
