#pragma once
// ui::MonthCalendar: a month shown as a calendar ("TMonthCalendar").
#include "ui/ColorSet.h"
#include "ui/Control.h"

namespace ui {

class MonthCalendar : public Control {
 public:
  explicit MonthCalendar(Component* owner, std::string className = "TMonthCalendar")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 191, 154);
  }

  // The calendar's colours: 0 TitleBackColor.
  ColorSet CalColors{{clHighlight}, [this] { Changed(Property::Style); }};
  Color TitleBackColor() const { return CalColors[0]; }
  void SetTitleBackColor(Color color) { CalColors.Set(0, color); }
};

}  // namespace ui
