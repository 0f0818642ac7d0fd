#pragma once
// ui::Component: the root of the component model. A component has an owner that
// frees it, owns the components created with it as owner (kept in creation order),
// and carries a Name, a Tag and a class name ("TPanel", "TFlatButton") that colour
// theming matches on.
#include <string>
#include <vector>

namespace ui {

class Component {
 public:
  Component(Component* owner, std::string className);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // Fires the destruction notifications, frees the owned components, then this one.
  void Free();

  Component* Owner() const { return owner_; }
  // Owned components, in creation order.
  const std::vector<Component*>& Components() const { return components_; }
  // The owned component with this name (case-insensitive, as the platform does), or null.
  Component* FindComponent(const std::string& name) const;
  const std::string& ClassName() const { return className_; }

  std::string Name;
  long Tag = 0;

 protected:
  // Runs before any part of the object is destroyed (forms fire OnDestroy here).
  virtual void BeforeDestruction() {}
  // Frees the owned components, newest first.
  void DestroyComponents();

 private:
  Component* owner_;
  std::string className_;
  std::vector<Component*> components_;
  bool destroying_ = false;
};

}  // namespace ui
