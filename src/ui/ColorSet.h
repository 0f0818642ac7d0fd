#pragma once
// ui::ColorSet: the colours of a control's look beyond its Color (the flat pack's
// ColorBorder and ColorFocused, a grid's FixedColor...), kept by the index the
// control's class gives them. A change calls back, so the control can tell its peer.
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/Types.h"

namespace ui {

class ColorSet {
 public:
  ColorSet(std::initializer_list<Color> initial, std::function<void()> changed)
      : colors_(initial), changed_(std::move(changed)) {}

  // The colour at `index`; an index the class does not have is an error.
  Color operator[](std::size_t index) const { return colors_.at(index); }
  // Sets the colour at `index`, telling the control when it changes.
  void Set(std::size_t index, Color color) {
    if (colors_.at(index) == color) return;
    colors_[index] = color;
    if (changed_) changed_();
  }
  std::size_t Size() const { return colors_.size(); }

 private:
  std::vector<Color> colors_;
  std::function<void()> changed_;
};

}  // namespace ui
