#pragma once
// ui::headless::HeadlessBackend: renders nothing. Tests inspect the controls
// themselves, script what each modal form and message box does when it appears,
// and read the log of message boxes and sent messages. A modal form or a question
// that no script answers is recorded as a failure (and answered with Cancel), so
// a test that forgot one fails loudly instead of hanging.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/Backend.h"
#include "ui/Form.h"

namespace ui::headless {

struct ShownMessageBox {
  WindowHandle owner;
  std::string text;
  std::string caption;
  unsigned flags;
  int answer;
};

struct SentMessage {
  WindowHandle target;
  unsigned message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // What a modal form does when it appears: works its controls, then returns the
  // modal result (or mrNone to leave the one its buttons set).
  using ModalScript = std::function<ModalResult(Form&)>;
  // Answers the next modal form whose caption or class name is `key`; scripts for
  // one key are used in the order given.
  void OnModal(const std::string& key, ModalScript script);
  // Answers the next message box whose caption or text contains `key`.
  void OnMessageBox(const std::string& key, int answer);

  // A window of the host (a panel, its main window) with a client size.
  WindowHandle AddHostWindow(Size clientSize);
  void ResizeHostWindow(WindowHandle window, Size clientSize);
  // Messages sent to a window that is not one of our forms (the host's windows).
  std::vector<SentMessage> MessagesTo(WindowHandle target) const;
  // Called when a message reaches a host window, before SendMessage returns.
  std::function<void(const SentMessage&)> OnHostMessage;

  const std::vector<ShownMessageBox>& MessageBoxes() const { return boxes_; }
  // Problems the test did not script for; a test expects this to stay empty.
  const std::vector<std::string>& Failures() const { return failures_; }
  // Hands over the failures recorded so far, for a test that expects some.
  std::vector<std::string> TakeFailures() { return std::exchange(failures_, {}); }
  // The parent window set for a handle by SetParentWindow, or 0.
  WindowHandle ParentOf(WindowHandle child) const;
  // The form whose handle this is, or null.
  Form* FormOf(WindowHandle handle) const;
  // The live forms re-parented into `parent`, oldest first.
  std::vector<Form*> FormsIn(WindowHandle parent) const;

  std::unique_ptr<ControlPeer> CreatePeer(Control& control) override;
  ModalResult RunModal(Form& form) override;
  int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                 unsigned flags) override;
  std::intptr_t SendMessage(WindowHandle target, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  void SetParentWindow(WindowHandle child, WindowHandle parent) override;
  Size ClientSize(WindowHandle window) override;
  void ReleaseLater(Form& form) override;
  void ProcessMessages() override;
  Size TextExtent(const Font& font, const std::string& text) override;

 private:
  class Peer;
  friend class Peer;

  WindowHandle nextHandle_ = 0x1000;
  std::map<WindowHandle, Control*> controls_;
  std::map<WindowHandle, Size> hostWindows_;
  std::map<WindowHandle, WindowHandle> parents_;
  std::map<std::string, std::deque<ModalScript>> modalScripts_;
  std::vector<std::pair<std::string, int>> boxAnswers_;
  std::vector<ShownMessageBox> boxes_;
  std::vector<SentMessage> sent_;
  std::vector<std::string> failures_;
  std::vector<Form*> pendingRelease_;
};

}  // namespace ui::headless
