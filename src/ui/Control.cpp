#include "ui/Control.h"

#include <algorithm>

#include "ui/Events.h"
#include "ui/Form.h"

namespace ui {

Control::Control(Component* owner, std::string className)
    : Component(owner, std::move(className)) {}

Control::~Control() {
  DestroyHandle();
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_->Realign();
  }
}

void Control::BeforeDestruction() { DestroyHandle(); }

void Control::SetParent(Control* parent) {
  if (parent == parent_) return;
  DestroyHandle();
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_->Realign();
  }
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
    parent_->Realign();
    if (parent_->HandleAllocated()) CreateHandleTree();
  }
}

Form* Control::ParentForm() {
  for (Control* c = this; c != nullptr; c = c->parent_)
    if (auto* form = dynamic_cast<Form*>(c)) return form;
  return nullptr;
}

void Control::SetBounds(int left, int top, int width, int height) {
  const Rect next{left, top, std::max(0, width), std::max(0, height)};
  if (next == bounds_) return;
  const bool resized = next.width != bounds_.width || next.height != bounds_.height;
  bounds_ = next;
  Changed(Property::Bounds);
  if (parent_ != nullptr && align_ != Align::None) parent_->Realign();
  if (resized) Realign();
}

void Control::SetAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  if (parent_ != nullptr) parent_->Realign();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Property::Visible);
  if (parent_ != nullptr && align_ != Align::None) parent_->Realign();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Property::Enabled);
}

void Control::SetColor(Color color) {
  if (color == color_) return;
  color_ = color;
  Changed(Property::Color);
}

const ui::Font& Control::GetFont() const {
  return parentFont_ && parent_ != nullptr ? parent_->GetFont() : font_;
}

void Control::SetFont(const ui::Font& font) {
  font_ = font;
  parentFont_ = false;
  Changed(Property::Font);
}

void Control::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(Property::Caption);
}

WindowHandle Control::Handle() {
  if (peer_ == nullptr) {
    if (parent_ != nullptr) parent_->Handle();
    if (peer_ == nullptr) CreateHandleTree();
  }
  return peer_->Handle();
}

void Control::CreateHandleTree() {
  if (peer_ == nullptr) peer_ = CurrentBackend().CreatePeer(*this);
  for (Control* child : children_) child->CreateHandleTree();
}

void Control::DestroyHandle() {
  for (Control* child : children_) child->DestroyHandle();
  peer_.reset();
}

bool Control::RunEvent(const std::function<void()>& handler) {
  Form* form = ParentForm();
  const WindowHandle owner = form != nullptr && form->HandleAllocated() ? form->Handle() : 0;
  return RunGuarded(owner, handler);
}

void Control::Changed(Property what) {
  if (peer_ != nullptr) peer_->Update(what);
}

void Control::Realign() {
  if (realigning_) return;
  realigning_ = true;
  const Size client = ClientSize();
  int top = 0, bottom = client.height, left = 0, right = client.width;
  const auto place = [&](Align which) {
    for (Control* c : children_) {
      if (c->align_ != which || !c->visible_) continue;
      switch (which) {
        case Align::Top:
          c->SetBounds(left, top, right - left, c->Height());
          top += c->Height();
          break;
        case Align::Bottom:
          c->SetBounds(left, bottom - c->Height(), right - left, c->Height());
          bottom -= c->Height();
          break;
        case Align::Left:
          c->SetBounds(left, top, c->Width(), bottom - top);
          left += c->Width();
          break;
        case Align::Right:
          c->SetBounds(right - c->Width(), top, c->Width(), bottom - top);
          right -= c->Width();
          break;
        case Align::Client: c->SetBounds(left, top, right - left, bottom - top); break;
        case Align::None: break;
      }
    }
  };
  for (Align which : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client})
    place(which);
  realigning_ = false;
}

}  // namespace ui
