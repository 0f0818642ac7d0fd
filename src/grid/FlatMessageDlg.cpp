#include "grid/FlatMessageDlg.h"

#include <algorithm>

#include "grid/DialogColours.h"
#include "grid/DialogUnits.h"
#include "grid/OwnedForm.h"
#include "grid/WrappedText.h"
#include "ui/Backend.h"
#include "ui/Make.h"

namespace grid {
namespace {

struct KindLook {
  const char* caption;
  ui::SystemIcon icon;
};

constexpr KindLook kKinds[] = {
    {"警告", ui::SystemIcon::Warning},      {"错误", ui::SystemIcon::Error},
    {"信息", ui::SystemIcon::Information},  {"询问", ui::SystemIcon::Question},
    {"FeeScreens", ui::SystemIcon::None},
};

struct ButtonLook {
  MsgDlgBtn button;
  const char* name;
  const char* caption;
  ui::ModalResult result;
};

constexpr ButtonLook kButtons[] = {
    {MsgDlgBtn::mbYes, "Yes", "是(&Y)", ui::mrYes},
    {MsgDlgBtn::mbNo, "No", "不(&N)", ui::mrNo},
    {MsgDlgBtn::mbOK, "OK", "确认(&O)", ui::mrOk},
    {MsgDlgBtn::mbCancel, "Cancel", "放弃(&C)", ui::mrCancel},
    {MsgDlgBtn::mbAbort, "Abort", "&Abort", ui::mrAbort},
    {MsgDlgBtn::mbRetry, "Retry", "&Retry", ui::mrRetry},
    {MsgDlgBtn::mbIgnore, "Ignore", "&Ignore", ui::mrIgnore},
    {MsgDlgBtn::mbAll, "All", "&All", ui::mrAll},
    {MsgDlgBtn::mbNoToAll, "NoToAll", "N&o to All", ui::mrNoToAll},
    {MsgDlgBtn::mbYesToAll, "YesToAll", "Yes to &All", ui::mrYesToAll},
    {MsgDlgBtn::mbHelp, "Help", "&Help", ui::mrNone},
};

constexpr int kIconSize = 32;

MsgDlgBtn DefaultButton(MsgDlgButtons buttons) {
  if (buttons.Has(MsgDlgBtn::mbOK)) return MsgDlgBtn::mbOK;
  if (buttons.Has(MsgDlgBtn::mbYes)) return MsgDlgBtn::mbYes;
  return MsgDlgBtn::mbRetry;
}

MsgDlgBtn CancelButton(MsgDlgButtons buttons) {
  if (buttons.Has(MsgDlgBtn::mbCancel)) return MsgDlgBtn::mbCancel;
  if (buttons.Has(MsgDlgBtn::mbNo)) return MsgDlgBtn::mbNo;
  return MsgDlgBtn::mbOK;
}

}  // namespace

TFlatMessageForm::TFlatMessageForm(const std::string& text, MsgDlgType kind,
                                   MsgDlgButtons buttons)
    : ui::Form(nullptr, "TMessageForm") {
  const KindLook& look = kKinds[static_cast<int>(kind)];
  const DialogColours& colours = SharedDialogColours();
  ui::Backend& backend = ui::CurrentBackend();
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetColor(colours.back);
  SetCaption(look.caption);

  const DialogUnits units = MeasureDialogUnits(GetFont());
  const int horzMargin = units.X(8), vertMargin = units.Y(8);
  const int horzSpacing = units.X(10), vertSpacing = units.Y(10);
  const int buttonSpacing = units.X(4), buttonHeight = units.Y(14);
  int buttonWidth = units.X(50);
  int buttonCount = 0;
  for (const ButtonLook& b : kButtons) {
    if (!buttons.Has(b.button)) continue;
    ++buttonCount;
    buttonWidth = std::max(buttonWidth, backend.TextExtent(GetFont(), b.caption).width + 8);
  }

  const ui::Size screen = backend.ScreenSize();
  const ui::Size textSize = MeasureWrappedText(GetFont(), text, screen.width / 2);
  const bool hasIcon = look.icon != ui::SystemIcon::None;
  int iconTextWidth = textSize.width, iconTextHeight = textSize.height;
  if (hasIcon) {
    iconTextWidth += kIconSize + horzSpacing;
    iconTextHeight = std::max(iconTextHeight, kIconSize);
  }
  const int buttonGroupWidth =
      buttonCount == 0 ? 0 : buttonWidth * buttonCount + buttonSpacing * (buttonCount - 1);
  const int clientWidth = std::max(iconTextWidth, buttonGroupWidth) + 2 * horzMargin;
  SetClientSize(clientWidth, iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin);
  Position = ui::FormPosition::ScreenCenter;
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);

  if (hasIcon) {
    Image = ui::Make<ui::Image>(this, this, "Image");
    Image->SetBounds(horzMargin, vertMargin, kIconSize, kIconSize);
    Image->SetIcon(look.icon);
  }
  Message = ui::Make<ui::Label>(this, this, "Message");
  Message->WordWrap = true;
  Message->SetCaption(text);
  Message->SetBounds(iconTextWidth - textSize.width + horzMargin, vertMargin, textSize.width,
                     textSize.height);

  const MsgDlgBtn defaultButton = DefaultButton(buttons), cancelButton = CancelButton(buttons);
  int x = (clientWidth - buttonGroupWidth) / 2;
  for (const ButtonLook& b : kButtons) {
    if (!buttons.Has(b.button)) continue;
    auto* button = ui::Make<ui::Button>(this, this, b.name);
    button->SetCaption(b.caption);
    button->ButtonModalResult = b.result;
    button->Default = b.button == defaultButton;
    button->Cancel = b.button == cancelButton;
    button->SetColorBorder(colours.line);
    button->HandCursor = true;
    button->SetBounds(x, iconTextHeight + vertMargin + vertSpacing, buttonWidth, buttonHeight);
    x += buttonWidth + buttonSpacing;
    Buttons.push_back(button);
  }
}

ui::ModalResult FlatMessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                               long helpContext) {
  return FlatMessageDlg(text, kind, buttons, helpContext, -1, -1, "");
}

ui::ModalResult FlatMessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                               long, int left, int top, const std::string&) {
  RefreshMessageColours();
  const OwnedForm<TFlatMessageForm> form(new TFlatMessageForm(text, kind, buttons));
  if (left >= 0 || top >= 0) form->Position = ui::FormPosition::Designed;
  if (left >= 0) form->SetLeft(left);
  if (top >= 0) form->SetTop(top);
  return form->ShowModal();
}

}  // namespace grid
