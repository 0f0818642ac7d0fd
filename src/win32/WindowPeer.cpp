#include "win32/WindowPeer.h"

#include <stdexcept>
#include <unordered_map>

#include "win32/WideText.h"
#include "win32/WindowHandles.h"

namespace win32 {
namespace {

std::unordered_map<const ui::Control*, WindowPeer*>& Peers() {
  static std::unordered_map<const ui::Control*, WindowPeer*> peers;
  return peers;
}

}  // namespace

WindowPeer::WindowPeer(ui::Control& control, std::unique_ptr<Window> window, FontCache& fonts)
    : control_(control), window_(std::move(window)), fonts_(fonts) {
  Peers()[&control_] = this;
}

WindowPeer::~WindowPeer() { Peers().erase(&control_); }

WindowPeer* WindowPeer::Of(const ui::Control& control) {
  const auto it = Peers().find(&control);
  return it == Peers().end() ? nullptr : it->second;
}

ui::WindowHandle WindowPeer::Handle() const { return ToHandle(window_->Handle()); }

void WindowPeer::Update(ui::Property what) {
  if (window_->Handle() == nullptr) return;  // destroyed with the host's window
  if (onUpdate && onUpdate(what)) return;
  switch (what) {
    case ui::Property::Bounds:
      window_->SetBounds(control_.Left(), control_.Top(), control_.Width(), control_.Height());
      break;
    case ui::Property::Visible:
      window_->SetVisible(control_.Visible());
      break;
    case ui::Property::Enabled:
      window_->SetEnabled(control_.Enabled());
      break;
    case ui::Property::Caption:
      // Setting the same text again would move an edit's caret back to the start.
      if (window_->Text() != control_.Caption()) window_->SetText(control_.Caption());
      break;
    case ui::Property::Color:
    case ui::Property::Font:
      UpdateFont();
      break;
    default:
      break;
  }
}

void WindowPeer::UpdateAll() {
  for (ui::Property what : {ui::Property::Font, ui::Property::Enabled, ui::Property::Items,
                            ui::Property::ItemIndex, ui::Property::Checked,
                            ui::Property::Style}) {
    Update(what);
  }
}

void WindowPeer::UpdateFont() {
  const ui::Font& font = control_.GetFont();
  window_->SetColors(ToColorRef(control_.GetColor()), ToColorRef(font.color));
  window_->SetFont(fonts_.Get(font));
  // Children that take their parent's font follow it.
  for (ui::Control* child : control_.Controls()) {
    if (!child->ParentFont()) continue;
    if (WindowPeer* peer = Of(*child)) peer->UpdateFont();
  }
}

WindowArgs ChildWindowArgs(ui::Control& control) {
  if (control.Parent() == nullptr) {
    throw std::logic_error("control " + control.Name + " has no parent to show it in");
  }
  WindowArgs args;
  args.parent = ToHwnd(control.Parent()->Handle());
  args.style = WS_CHILD | WS_CLIPSIBLINGS | (control.Visible() ? WS_VISIBLE : 0);
  args.left = control.Left();
  args.top = control.Top();
  args.width = control.Width();
  args.height = control.Height();
  args.text = control.Caption();
  args.ownClass = Wide(control.ClassName());
  return args;
}

}  // namespace win32
