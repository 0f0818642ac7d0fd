#pragma once
// ui::ComboBox: a drop-down list ("TComboBox", "TFlatComboBox"). Items are texts;
// ItemIndex -1 means nothing is chosen.
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class ComboBox : public Control {
 public:
  explicit ComboBox(Component* owner, std::string className = "TComboBox");

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void ClearItems();

  int ItemIndex() const { return itemIndex_; }
  // Chooses an item without firing OnChange (as code does).
  void SetItemIndex(int index);
  // Chooses an item and fires OnChange (as the user does).
  void Choose(int index);
  // The chosen item's text, or "" when nothing is chosen.
  std::string Text() const;

  int DropDownCount = 8;
  std::function<void(ComboBox&)> OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace ui
