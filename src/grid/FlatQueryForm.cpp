#include "grid/FlatQueryForm.h"

#include "grid/DialogColours.h"
#include "ui/Backend.h"
#include "ui/Make.h"

namespace grid {
namespace {

ui::Font SongTi9() {
  ui::Font font;
  font.name = "宋体";
  font.height = -12;  // 9 points at 96 dots per inch
  font.charset = ui::GB2312_CHARSET;
  return font;
}

}  // namespace

TFlatQueryForm::TFlatQueryForm(const std::string& className, const std::string& caption,
                               const std::string& prompt, bool namedButtons)
    : ui::Form(nullptr, className) {
  ui::Backend& backend = ui::CurrentBackend();
  SetBorderStyle(ui::BorderStyle::Dialog);
  SetColor(SharedDialogColours().back);
  SetCaption(caption);
  units_ = MeasureDialogUnits(GetFont());
  SetClientSize(units_.X(180), units_.Y(63));
  Position = ui::FormPosition::ScreenCenter;
  const ui::Size screen = backend.ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);

  Prompt = ui::Make<ui::Label>(this, this, "");
  Prompt->SetFont(SongTi9());
  Prompt->SetCaption(prompt);
  const ui::Size promptSize = backend.TextExtent(Prompt->GetFont(), prompt);
  Prompt->SetBounds(units_.X(8), units_.Y(8), promptSize.width, promptSize.height);

  OKButton = AddButton(namedButtons ? "btnOK" : "", "确认(&O)", units_.X(38), ui::mrOk);
  OKButton->Default = true;
  CancelButton = AddButton(namedButtons ? "btnCancel" : "", "放弃(&C)", units_.X(92), ui::mrCancel);
  CancelButton->Cancel = true;
}

void TFlatQueryForm::PlaceField(ui::Control& field) const {
  field.SetFont(SongTi9());
  field.SetBounds(units_.X(8), units_.Y(19), units_.X(164), field.Height());
}

ui::Button* TFlatQueryForm::AddButton(const std::string& name, const std::string& caption,
                                      int left, ui::ModalResult result) {
  auto* button = ui::Make<ui::Button>(this, this, name);
  button->SetCaption(caption);
  button->ButtonModalResult = result;
  button->SetColorBorder(SharedDialogColours().line);
  button->HandCursor = true;
  button->SetFont(SongTi9());
  button->SetBounds(left, units_.Y(41), units_.X(50), units_.Y(14));
  return button;
}

}  // namespace grid
