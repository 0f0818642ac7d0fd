#include "ui/ComboBox.h"


namespace ui {

ComboBox::ComboBox(Component* owner, std::string className)
    : Control(owner, std::move(className)) {
  SetBounds(0, 0, 145, 20);
  SetColor(clWindow);
}

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed(Property::Items);
}

void ComboBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Changed(Property::Items);
}

void ComboBox::ClearItems() { SetItems({}); }

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Property::ItemIndex);
}

void ComboBox::Choose(int index) {
  SetItemIndex(index);
  if (OnChange) RunEvent([&] { OnChange(*this); });
}

std::string ComboBox::Text() const { return itemIndex_ >= 0 ? items_[itemIndex_] : std::string(); }

}  // namespace ui
