#include "grid/FlatChooseItem.h"

#include "grid/DialogColours.h"
#include "grid/OwnedForm.h"
#include "ui/Make.h"

namespace grid {

TFlatChooseItemForm::TFlatChooseItemForm(const std::string& caption, const std::string& prompt,
                                         const std::vector<std::string>& items, bool editable)
    : TFlatQueryForm("TChooseItemForm", caption, prompt, false) {
  ItemBox = ui::Make<ui::ComboBox>(this, this, "", "TFlatComboBox");
  PlaceField(*ItemBox);
  ItemBox->SetColorBorder(SharedDialogColours().line);
  ItemBox->SetItems(items);
  ItemBox->SetItemIndex(0);
  ItemBox->SetEditable(editable);
}

void FlatChooseItem(const std::string& caption, const std::string& prompt,
                    const std::vector<std::string>& items, std::string& chosen, bool editable) {
  RefreshQueryColours("style");
  const OwnedForm<TFlatChooseItemForm> form(
      new TFlatChooseItemForm(caption, prompt, items, editable));
  if (form->ShowModal() == ui::mrOk) chosen = form->ItemBox->Text();
}

}  // namespace grid
