#pragma once
// win32::Win32Backend: the component model drawn with real Win32 windows. It is
// installed when the library is first used (an export call) and shut down when the
// library unloads: then forms still open are freed, fonts deleted and our window
// classes unregistered.
#include <memory>
#include <vector>

#include "ui/Backend.h"
#include "ui/Form.h"
#include "win32/FontCache.h"
#include "win32/FormWindow.h"

namespace win32 {

class Win32Backend : public ui::Backend {
 public:
  // Makes this the current backend.
  Win32Backend();
  ~Win32Backend() override;

  // Creates the library's backend unless it exists; called by every export.
  static void Install();
  // Destroys the library's backend, if any.
  static void Shutdown();

  std::unique_ptr<ui::ControlPeer> CreatePeer(ui::Control& control) override;
  ui::ModalResult RunModal(ui::Form& form) override;
  int MessageBox(ui::WindowHandle owner, const std::string& text, const std::string& caption,
                 unsigned flags) override;
  std::intptr_t SendMessage(ui::WindowHandle target, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  void SetParentWindow(ui::WindowHandle child, ui::WindowHandle parent) override;
  ui::Size ClientSize(ui::WindowHandle window) override;
  void ReleaseLater(ui::Form& form) override;
  void ProcessMessages() override;
  ui::Size TextExtent(const ui::Font& font, const std::string& text) override;
  ui::Size ScreenSize() override;

 private:
  void ProcessReleases();

  FontCache fonts_;
  // A message-only window: a posted message to it frees the forms waiting for release.
  std::unique_ptr<FormWindow> messages_;
  std::vector<ui::Form*> pendingRelease_;
};

}  // namespace win32
