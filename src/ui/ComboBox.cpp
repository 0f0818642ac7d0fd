#include "ui/ComboBox.h"

#include <algorithm>

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
  if (index >= 0) editText_ = items_[index];
  Changed(Property::ItemIndex);
}

void ComboBox::Choose(int index) {
  SetItemIndex(index);
  if (OnChange) RunEvent([&] { OnChange(*this); });
}

std::string ComboBox::Text() const {
  if (editable_) return editText_;
  return itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
}

void ComboBox::SetEditable(bool editable) {
  if (editable == editable_) return;
  editable_ = editable;
  editText_ = itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
  Changed(Property::Style);
}

void ComboBox::SetText(const std::string& text) {
  if (!editable_ || text == editText_) return;
  editText_ = text;
  // A typed text that is one of the items selects it, as the platform's box does.
  const auto match = std::find(items_.begin(), items_.end(), text);
  itemIndex_ = match == items_.end() ? -1 : static_cast<int>(match - items_.begin());
  Changed(Property::Caption);
  if (OnChange) RunEvent([&] { OnChange(*this); });
}

}  // namespace ui
