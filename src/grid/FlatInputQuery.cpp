#include "grid/FlatInputQuery.h"

#include "grid/DialogColours.h"
#include "grid/OwnedForm.h"
#include "ui/Make.h"

namespace grid {
namespace {

// Characters of a UTF-8 text: the caret and the selection count in characters.
int CharacterCount(const std::string& text) {
  int count = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

TFlatInputQueryForm::TFlatInputQueryForm(const std::string& caption, const std::string& prompt,
                                         const std::string& value)
    : TFlatQueryForm("TInputQueryForm", caption, prompt, true) {
  ValueEdit = ui::Make<ui::Edit>(this, this, "", "TFlatEdit");
  PlaceField(*ValueEdit);
  ValueEdit->SetColorBorder(SharedDialogColours().line);
  ValueEdit->SetText(value);
  ValueEdit->MaxLength = 255;  // after the value: the limit is on typing only
  ValueEdit->SelStart = 0;
  ValueEdit->SelLength = CharacterCount(value);
  // Shown, the edit takes the caret after its last character.
  OnShow = [this](ui::Form&) {
    ValueEdit->SelStart = CharacterCount(ValueEdit->Text());
    ValueEdit->SelLength = 0;
  };
}

bool FlatInputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  RefreshQueryColours("colorstyle");
  const OwnedForm<TFlatInputQueryForm> form(new TFlatInputQueryForm(caption, prompt, value));
  if (form->ShowModal() != ui::mrOk) return false;
  value = form->ValueEdit->Text();
  return true;
}

}  // namespace grid
