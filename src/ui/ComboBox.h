#pragma once
// ui::ComboBox: a drop-down list ("TComboBox", "TFlatComboBox"). Items are texts;
// ItemIndex -1 means nothing is chosen.
#include <functional>
#include <string>
#include <vector>

#include "ui/ColorSet.h"
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
  // The chosen item's text, or "" when nothing is chosen; in an editable box, the
  // text in its edit part.
  std::string Text() const;

  // Whether the user may type a text of his own (a drop-down, not a fixed list).
  bool Editable() const { return editable_; }
  void SetEditable(bool editable);
  // Types a text into an editable box (fires OnChange); a fixed list ignores it.
  void SetText(const std::string& text);

  int DropDownCount = 8;

  // The flat pack's colours, by its index: 0 ColorFocused, 1 ColorBorder, 2 ColorFlat.
  ColorSet FlatColors{{clWhite, Rgb(160, 150, 131), clWhite}, [this] { Changed(Property::Style); }};
  Color ColorBorder() const { return FlatColors[1]; }
  void SetColorBorder(Color color) { FlatColors.Set(1, color); }
  std::function<void(ComboBox&)> OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  bool editable_ = false;
  std::string editText_;
};

}  // namespace ui
