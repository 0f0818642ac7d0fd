#pragma once
// ui::Make: creates a component owned by `owner`, names it and, for controls,
// places it on `parent` — the three steps every form constructor repeats.
#include <string>
#include <utility>

#include "ui/Control.h"

namespace ui {

template <class T, class... Args>
T* Make(Component* owner, Control* parent, std::string name, Args&&... args) {
  T* component = new T(owner, std::forward<Args>(args)...);
  component->Name = std::move(name);
  if (parent != nullptr) component->SetParent(parent);
  return component;
}

}  // namespace ui
