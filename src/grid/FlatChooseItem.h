#pragma once
// FlatChooseItem: the themed choice dialog: a drop-down of items under a prompt, the
// first one selected. Its scheme switch is "style" (grid/DialogColours.h).
#include <string>
#include <vector>

#include "grid/FlatQueryForm.h"
#include "ui/ComboBox.h"

namespace grid {

// The dialog's form ("TChooseItemForm").
class TFlatChooseItemForm : public TFlatQueryForm {
 public:
  TFlatChooseItemForm(const std::string& caption, const std::string& prompt,
                      const std::vector<std::string>& items, bool editable);

  ui::ComboBox* ItemBox;  // a "TFlatComboBox"
};

// Lets the user pick one of `items` (or, `editable`, type a text); on confirmation
// `chosen` receives the box's text (empty when the list is empty), otherwise it keeps
// its value.
void FlatChooseItem(const std::string& caption, const std::string& prompt,
                    const std::vector<std::string>& items, std::string& chosen, bool editable);

}  // namespace grid
