#pragma once
// TFlatQueryForm: the frame the input and choice dialogs share: a caption, a prompt,
// one field under it and the buttons "确认(&O)" (Enter) and "放弃(&C)" (Esc), in the
// shared dialog colours and "宋体" 9 points, centred on the screen. A subclass puts
// its field in place with PlaceField.
#include <string>

#include "grid/DialogUnits.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace grid {

class TFlatQueryForm : public ui::Form {
 public:
  // `namedButtons`: the input dialog names its buttons "btnOK" and "btnCancel".
  TFlatQueryForm(const std::string& className, const std::string& caption,
                 const std::string& prompt, bool namedButtons);

  ui::Label* Prompt;
  ui::Button* OKButton;
  ui::Button* CancelButton;

 protected:
  // Places the field under the prompt, full width, in the dialog's font.
  void PlaceField(ui::Control& field) const;

 private:
  ui::Button* AddButton(const std::string& name, const std::string& caption, int left,
                        ui::ModalResult result);

  DialogUnits units_;
};

}  // namespace grid
