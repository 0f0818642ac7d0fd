#pragma once
// FlatMessageDlg: the themed message dialog: a text, the icon of its kind and the
// buttons asked for, in the shared dialog colours (grid/DialogColours.h) and sized in
// dialog units of its font (grid/DialogUnits.h).
//
// Keys answer as a button on the dialog would: Enter presses the default button (OK
// when shown, else Yes, else Retry) and Esc the cancel button (Cancel when shown,
// else No, else OK). So Esc on a question with Yes and No answers No, never a result
// that lets a caller who proceeds "unless No" go on.
// Choices made here: "No to All" and "Yes to All" close with their own results; Help
// has no help file to open and does nothing; a custom dialog is captioned with the
// library's title "FeeScreens"; the text is wrapped to half the screen's width.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace grid {

// The kind of message: its caption and icon.
enum class MsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The buttons a message dialog can show, in the order it shows them.
enum class MsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll,
                       mbNoToAll, mbYesToAll, mbHelp };

// A set of buttons.
class MsgDlgButtons {
 public:
  MsgDlgButtons(std::initializer_list<MsgDlgBtn> buttons) {
    for (MsgDlgBtn b : buttons) bits_ |= Bit(b);
  }
  bool Has(MsgDlgBtn button) const { return (bits_ & Bit(button)) != 0; }

 private:
  static std::uint32_t Bit(MsgDlgBtn b) { return 1u << static_cast<int>(b); }
  std::uint32_t bits_ = 0;
};

// The dialog's form ("TMessageForm"), built for one message.
class TFlatMessageForm : public ui::Form {
 public:
  TFlatMessageForm(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons);

  ui::Image* Image = nullptr;  // "Image", absent for a custom message
  ui::Label* Message;          // "Message"
  std::vector<ui::Button*> Buttons;
};

// Shows the message modally, centred on the screen; returns the result of the button
// (or key) that closed it.
ui::ModalResult FlatMessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                               long helpContext);

// The same at a position: a left or top of 0 or more sets that coordinate (the other
// stays centred); both negative centre the dialog.
ui::ModalResult FlatMessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                               long helpContext, int left, int top, const std::string& helpFile);

}  // namespace grid
