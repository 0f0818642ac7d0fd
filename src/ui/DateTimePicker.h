#pragma once
// ui::DateTimePicker: a date box with a drop-down calendar ("TDateTimePicker",
// "TFlatDateTimePicker").
#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class DateTimePicker : public Control {
 public:
  explicit DateTimePicker(Component* owner, std::string className = "TDateTimePicker")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 186, 21);
    SetColor(clWindow);
  }

  // The flat pack's colours: 0 ColorBorder.
  ColorSet FlatColors{{Rgb(160, 150, 131)}, [this] { Changed(Property::Style); }};
  Color ColorBorder() const { return FlatColors[0]; }
  void SetColorBorder(Color color) { FlatColors.Set(0, color); }

  // The drop-down calendar's colours: 0 TitleBackColor.
  ColorSet CalColors{{clHighlight}, [this] { Changed(Property::Style); }};
  Color CalendarTitleBackColor() const { return CalColors[0]; }
  void SetCalendarTitleBackColor(Color color) { CalColors.Set(0, color); }
};

}  // namespace ui
