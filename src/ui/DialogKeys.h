#pragma once
// The keys a dialog answers for all its controls: Enter clicks the button marked
// Default, Esc the one marked Cancel. Backends call this for the keys their focused
// control does not use itself; tests call it as a user's key press.
#include "ui/Form.h"

namespace ui {

enum class DialogKey { Enter, Escape };

// Clicks the visible, enabled button of `form` (at any depth) that answers `key`;
// returns false when there is none.
bool PressDialogKey(Form& form, DialogKey key);

}  // namespace ui
