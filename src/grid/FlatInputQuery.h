#pragma once
// FlatInputQuery: the themed input dialog: one line of text under a prompt. Its scheme
// switch is "colorstyle" (grid/DialogColours.h).
//
// At most 255 bytes can be typed; a longer value handed in is shown and returned
// whole, as the platform's edit limits only typing.
#include <string>

#include "grid/FlatQueryForm.h"
#include "ui/Edit.h"

namespace grid {

// The dialog's form ("TInputQueryForm").
class TFlatInputQueryForm : public TFlatQueryForm {
 public:
  TFlatInputQueryForm(const std::string& caption, const std::string& prompt,
                      const std::string& value);

  ui::Edit* ValueEdit;  // a "TFlatEdit"
};

// Asks for a text; true when confirmed, `value` then holding the edited text.
bool FlatInputQuery(const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace grid
