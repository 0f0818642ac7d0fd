#include "ui/ToolBar.h"

namespace ui {

ToolBar::ToolBar(Component* owner, std::string className) : Control(owner, std::move(className)) {
  SetBounds(0, 0, 150, 38);
  SetAlign(Align::Top);
}

void ToolBar::ArrangeButtons() {
  int left = 0;
  for (Control* c : Controls()) {
    if (!c->Visible()) continue;
    const auto* button = dynamic_cast<ToolButton*>(c);
    const int width = button != nullptr && button->Separator ? 8 : ButtonWidth;
    c->SetBounds(left, 0, width, ButtonHeight);
    left += width;
  }
}

ToolButton::ToolButton(Component* owner, ToolBar* bar, std::string className)
    : Button(owner, std::move(className)) {
  SetParent(bar);
  bar->ArrangeButtons();
}

}  // namespace ui
