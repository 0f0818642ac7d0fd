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

  void SetItems(const std::vector<std::string>& items);
  // Selects item `index` (-1: none) without a change notice.
  void SetSelection(int index);
  int Selection() const;
  // Height of the opened list showing `visibleItems` items.
  int ListHeight(int visibleItems) const;

  // Called with the index the user chose.
  std::function<void(int index)> onSelectionChanged;

 protected:
  bool OnCommand(WORD notification) override;
};

}  // namespace win32
