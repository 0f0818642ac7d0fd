#pragma once
// ui::ToolBar and ui::ToolButton: a row of captioned buttons ("TToolBar",
// "TToolButton"); buttons are laid out left to right in the order they are added.
#include <functional>

#include "ui/Button.h"
#include "ui/Control.h"

namespace ui {

class ToolBar : public Control {
 public:
  explicit ToolBar(Component* owner, std::string className = "TToolBar");

  int ButtonWidth = 60;
  int ButtonHeight = 36;
  bool ShowCaptions = true;
  bool Flat = true;

  // Places the visible tool buttons left to right.
  void ArrangeButtons();
};

class ToolButton : public Button {
 public:
  // Creates a button on `bar`, after the buttons already there.
  ToolButton(Component* owner, ToolBar* bar, std::string className = "TToolButton");

  bool Separator = false;
};

}  // namespace ui
