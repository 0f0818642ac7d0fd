#pragma once
// win32::DropDownWindow: a drop-down list (COMBOBOX, CBS_DROPDOWNLIST). Its window
// height includes the opened list, so callers size it with ListHeight.
#include <functional>
#include <string>
#include <vector>

#include "win32/Window.h"

namespace win32 {

class DropDownWindow : public Window {
 public:
  explicit DropDownWindow(WindowArgs args);

  // Replaces the list's items (UTF-8 texts) and clears the selection.
  void SetItems(const std::vector<std::string>& items);
  // Selects item `index` (-1: none) without a change notice.
  void SetSelection(int index);
  // The selected item's index, or -1.
  int Selection() const;
  // Height of the opened list showing `visibleItems` items.
  int ListHeight(int visibleItems) const;

  // Called with the index the user chose.
  std::function<void(int index)> onSelectionChanged;

 protected:
  bool OnCommand(WORD notification) override;
};

}  // namespace win32
