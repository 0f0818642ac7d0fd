#pragma once
// ui::Control: a visible component. It has a parent control (its container),
// bounds, an alignment inside the parent, a colour, a font, and Visible/Enabled.
// The model lays out aligned children itself, so every backend shows the same
// geometry; a backend peer only mirrors the model's state.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/Component.h"
#include "ui/Types.h"

namespace ui {

class Form;

class Control : public Component {
 public:
  Control(Component* owner, std::string className);
  ~Control() override;

  Control* Parent() const { return parent_; }
  void SetParent(Control* parent);
  // Child controls, in the order they were parented.
  const std::vector<Control*>& Controls() const { return children_; }
  // The form this control sits on (itself for a form), or null.
  Form* ParentForm();

  // Geometry, relative to the parent's client area.
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const Rect& Bounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  // Client area of the control (the whole control unless a subclass has borders).
  virtual Size ClientSize() const { return {Width(), Height()}; }

  Align GetAlign() const { return align_; }
  void SetAlign(Align align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  Color GetColor() const { return color_; }
  void SetColor(Color color);

  // The effective font: the parent's while ParentFont is set.
  const ui::Font& GetFont() const;
  void SetFont(const ui::Font& font);
  bool ParentFont() const { return parentFont_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  std::string Hint;

  // The backend's window for this control; created (with the parent's) on demand.
  WindowHandle Handle();
  bool HandleAllocated() const { return peer_ != nullptr; }
  // Destroys the backend's windows of this control and its children.
  void DestroyHandle();

  // Lays out the aligned children in the client area, as the platform does:
  // top, bottom, left, right, then client.
  void Realign();

 protected:
  // Runs an event handler behind the exception boundary, errors owned by the form.
  bool RunEvent(const std::function<void()>& handler);
  // Tells the peer (when there is one) that something changed.
  void Changed(Property what);
  void BeforeDestruction() override;

 private:
  void CreateHandleTree();

  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_;
  Align align_ = Align::None;
  bool visible_ = true;
  bool enabled_ = true;
  Color color_ = clBtnFace;
  ui::Font font_;
  bool parentFont_ = true;
  std::string caption_;
  std::unique_ptr<ControlPeer> peer_;
  bool realigning_ = false;
};

}  // namespace ui
