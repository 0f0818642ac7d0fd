#include "win32/FormPeer.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "ui/Button.h"
#include "win32/WideText.h"
#include "win32/WindowHandles.h"

namespace win32 {
namespace {

WindowArgs FormArgs(ui::Form& form) {
  const bool embedded = form.ParentWindow() != 0;
  WindowArgs args;
  args.ownClass = Wide(form.ClassName());
  args.parent = embedded ? ToHwnd(form.ParentWindow()) : GetActiveWindow();
  args.style = FormWindowStyle(form.GetBorderStyle(), embedded);
  args.exStyle = FormWindowExStyle(form.GetBorderStyle(), embedded);
  if (form.StayOnTop && !embedded) args.exStyle |= WS_EX_TOPMOST;
  args.left = form.Left();
  args.top = form.Top();
  args.width = form.Width();
  args.height = form.Height();
  args.text = form.Caption();
  return args;
}

std::vector<ui::Form*>& LiveForms() {
  static std::vector<ui::Form*> forms;
  return forms;
}

std::unique_ptr<FormWindow> MakeFormWindow(ui::Form& form) {
  return std::make_unique<FormWindow>(FormArgs(form));
}

// The first visible, enabled button below `control` for which `wanted` holds.
ui::Button* FindButton(ui::Control& control, const std::function<bool(ui::Button&)>& wanted) {
  for (ui::Control* child : control.Controls()) {
    auto* button = dynamic_cast<ui::Button*>(child);
    if (button != nullptr && button->Visible() && button->Enabled() && wanted(*button)) {
      return button;
    }
    if (ui::Button* found = FindButton(*child, wanted)) return found;
  }
  return nullptr;
}

}  // namespace

DWORD FormWindowStyle(ui::BorderStyle style, bool embedded) {
  if (embedded) return WS_CHILD | WS_CLIPSIBLINGS;
  switch (style) {
    case ui::BorderStyle::None: return WS_POPUP;
    case ui::BorderStyle::Single: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case ui::BorderStyle::Sizeable: return WS_POPUP | WS_OVERLAPPEDWINDOW;
    case ui::BorderStyle::Dialog:
    case ui::BorderStyle::ToolWindow: return WS_POPUP | WS_CAPTION | WS_SYSMENU;
    case ui::BorderStyle::SizeToolWin: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  }
  return WS_POPUP;
}

DWORD FormWindowExStyle(ui::BorderStyle style, bool embedded) {
  if (embedded) return WS_EX_CONTROLPARENT;
  switch (style) {
    case ui::BorderStyle::Dialog: return WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
    case ui::BorderStyle::ToolWindow:
    case ui::BorderStyle::SizeToolWin: return WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
    default: return WS_EX_CONTROLPARENT;
  }
}

FormPeer::FormPeer(ui::Form& form, FontCache& fonts)
    : WindowPeer(form, MakeFormWindow(form), fonts), form_(form) {
  onUpdate = [this](ui::Property what) { return UpdateForm(what); };
  FormWindow& window = Window();
  window.onClose = [this] { form_.Close(); };
  window.onAppMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
    return form_.HandleMessage(message, wParam, lParam);
  };
  window.onDialogCommand = [this](int id) { OnDialogCommand(id); };
  window.onSize = [this](int width, int height) { OnUserResize(width, height); };
  // The host destroyed the window under the form (its panel went away): free the form.
  window.onDestroyedElsewhere = [this] { ui::CurrentBackend().ReleaseLater(form_); };
  if (form_.ParentWindow() == 0) PlaceWindow(true);
  LiveForms().push_back(&form_);
}

FormPeer::~FormPeer() {
  auto& forms = LiveForms();
  forms.erase(std::remove(forms.begin(), forms.end(), &form_), forms.end());
}

ui::Form* FormPeer::FirstOwnerlessForm() {
  const auto& forms = LiveForms();
  const auto it = std::find_if(forms.begin(), forms.end(),
                               [](ui::Form* form) { return form->Owner() == nullptr; });
  return it == forms.end() ? nullptr : *it;
}

FormWindow& FormPeer::Window() { return static_cast<FormWindow&>(*window_); }

bool FormPeer::UpdateForm(ui::Property what) {
  switch (what) {
    case ui::Property::Bounds:
      if (form_.ParentWindow() != 0) return false;  // a child: bounds as any control
      PlaceWindow(false);
      return true;
    case ui::Property::Visible:
      ShowWindow(window_->Handle(),
                 !form_.Visible() ? SW_HIDE : form_.ParentWindow() != 0 ? SW_SHOWNA : SW_SHOW);
      return true;
    case ui::Property::Style:
    case ui::Property::Parent:
      ApplyFrame();
      return true;
    default:
      return false;
  }
}

// A top-level form's bounds are its client area; the frame goes around it. Its
// position comes from Position (centred on the screen or on the owner) when it is
// first placed; later size changes keep where the window is.
void FormPeer::PlaceWindow(bool firstTime) {
  HWND hwnd = window_->Handle();
  RECT frame{0, 0, form_.Width(), form_.Height()};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int left = form_.Left(), top = form_.Top();
  if (!firstTime && form_.Position != ui::FormPosition::Designed) {
    RECT current{};
    GetWindowRect(hwnd, &current);
    left = current.left;
    top = current.top;
  } else if (form_.Position != ui::FormPosition::Designed) {
    RECT area{};
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (form_.Position != ui::FormPosition::ScreenCenter && owner != nullptr) {
      GetWindowRect(owner, &area);
    } else {
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    left = area.left + (area.right - area.left - width) / 2;
    top = area.top + (area.bottom - area.top - height) / 2;
  }
  placing_ = true;
  SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
}

void FormPeer::ApplyFrame() {
  HWND hwnd = window_->Handle();
  const bool embedded = form_.ParentWindow() != 0;
  SetWindowLongPtrW(hwnd, GWL_STYLE,
                    FormWindowStyle(form_.GetBorderStyle(), embedded) | WS_CLIPCHILDREN |
                        (form_.Visible() ? WS_VISIBLE : 0));
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, FormWindowExStyle(form_.GetBorderStyle(), embedded));
  if (embedded) SetParent(hwnd, ToHwnd(form_.ParentWindow()));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (embedded) {
    window_->SetBounds(form_.Left(), form_.Top(), form_.Width(), form_.Height());
  } else {
    PlaceWindow(false);
  }
}

void FormPeer::OnDialogCommand(int id) {
  const bool ok = id == IDOK;
  ui::Button* button =
      FindButton(form_, [ok](ui::Button& b) { return ok ? b.Default : b.Cancel; });
  if (button != nullptr) {
    button->Click();
  } else if (!ok && form_.Modal()) {
    form_.Close();
  }
}

// The user resized a top-level form: its client area is the model's new size.
void FormPeer::OnUserResize(int width, int height) {
  if (placing_ || form_.ParentWindow() != 0 || IsIconic(window_->Handle())) return;
  if (width != form_.Width() || height != form_.Height()) {
    form_.SetBounds(form_.Left(), form_.Top(), width, height);
  }
}

}  // namespace win32
