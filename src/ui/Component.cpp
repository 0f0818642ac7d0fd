#include "ui/Component.h"

#include <algorithm>
#include <cctype>

namespace ui {

Component::Component(Component* owner, std::string className)
    : owner_(owner), className_(std::move(className)) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

Component::~Component() {
  DestroyComponents();
  if (owner_ != nullptr) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Component::Free() {
  if (destroying_) return;
  destroying_ = true;
  BeforeDestruction();
  DestroyComponents();
  delete this;
}

void Component::DestroyComponents() {
  while (!components_.empty()) components_.back()->Free();
}

Component* Component::FindComponent(const std::string& name) const {
  const auto equalNoCase = [&](const std::string& other) {
    return std::equal(name.begin(), name.end(), other.begin(), other.end(), [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) ==
             std::tolower(static_cast<unsigned char>(b));
    });
  };
  for (Component* c : components_)
    if (equalNoCase(c->Name)) return c;
  return nullptr;
}

}  // namespace ui
