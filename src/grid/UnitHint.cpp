#include "grid/UnitHint.h"

#include <filesystem>

#include "ui/Backend.h"
#include "ui/Make.h"

namespace grid {

TFrmHint*& FrmHint() {
  static TFrmHint* hint = nullptr;
  return hint;
}

std::string TFrmHint::AnimationFile() {
  return (std::filesystem::path("Resource") / "Turtle.avi").string();
}

TFrmHint::TFrmHint() : ui::Form(nullptr, "TFrmHint") {
  SetBorderStyle(ui::BorderStyle::None);
  StayOnTop = true;
  Position = ui::FormPosition::ScreenCenter;
  SetClientSize(332, 87);
  SetColor(ui::clBtnFace);
  Animate1 = ui::Make<ui::Animate>(this, this, "Animate1");
  Animate1->SetBounds(16, 20, 80, 50);
  Animate1->SetStopFrame(29);
  Label1 = ui::Make<ui::Label>(this, this, "Label1");
  Label1->SetFont(ui::Font{"宋体", -14});
  Label1->SetCaption("正在统计，请稍候...");
  std::error_code error;
  if (std::filesystem::exists(AnimationFile(), error)) {
    Animate1->SetFileName(AnimationFile());
    Animate1->SetLeft(32);
    Animate1->SetTop(2);
    Label1->SetBounds(93, 69, Label1->Width(), Label1->Height());
  } else {
    Animate1->SetCommonAvi(ui::CommonAvi::FindFolder);
    Label1->SetBounds(116, 40, Label1->Width(), Label1->Height());
  }
  Label1->SetWidth(ClientWidth() - Label1->Left());
  Label1->SetHeight(16);
  Animate1->SetActive(true);
}

TFrmHint::~TFrmHint() {
  if (FrmHint() == this) FrmHint() = nullptr;
}

void TFrmHint::ShowNow() {
  Show();
  ui::CurrentBackend().ProcessMessages();
}

void TFrmHint::SetHintText(const std::string& text) {
  Label1->SetCaption(text);
  if (Visible()) ui::CurrentBackend().ProcessMessages();
}

}  // namespace grid
