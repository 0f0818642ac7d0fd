#pragma once
// win32::EditWindow: a one-line text box (EDIT). onTextChanged reports the user's
// edits only, not the texts set through SetText.
#include <functional>
#include <string>

#include "win32/Window.h"

namespace win32 {

class EditWindow : public Window {
 public:
  explicit EditWindow(WindowArgs args);

  // A read-only box shows its text and lets it be selected and copied.
  void SetReadOnly(bool readOnly);

  // Called with the new text after the user changed it.
  std::function<void(const std::string& text)> onTextChanged;

 protected:
  bool OnCommand(WORD notification) override;
};

}  // namespace win32
