#include <gtest/gtest.h>

#include <stdexcept>

#include "support/HeadlessTest.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Make.h"

namespace {

class FormTest : public HeadlessTest {};

TEST_F(FormTest, AnExceptionInAHandlerIsShownAsAnErrorAndGoesNoFurther) {
  auto* form = new ui::Form(nullptr);
  form->Show();
  auto* button = ui::Make<ui::Button>(form, form, "btnOK");
  button->OnClick = [](ui::Button&) { throw std::runtime_error("数据库连接失败"); };
  EXPECT_NO_THROW(button->Click());
  ASSERT_EQ(ui_.MessageBoxes().size(), 1u);
  const auto& box = ui_.MessageBoxes()[0];
  EXPECT_EQ(box.caption, "错误");
  EXPECT_EQ(box.text, "数据库连接失败");
  EXPECT_EQ(box.flags, ui::MB_OK | ui::MB_ICONERROR);
  EXPECT_EQ(box.owner, form->Handle());
  form->Free();
}

TEST_F(FormTest, DisabledButtonsIgnoreClicks) {
  auto* form = new ui::Form(nullptr);
  auto* button = ui::Make<ui::Button>(form, form, "btnOK");
  int clicks = 0;
  button->OnClick = [&](ui::Button&) { ++clicks; };
  button->SetEnabled(false);
  button->Click();
  EXPECT_EQ(clicks, 0);
  form->Free();
}

TEST_F(FormTest, ModalFormsAreAnsweredByTheirScript) {
  auto* dialog = new ui::Form(nullptr, "TFrmCondition");
  dialog->SetCaption("条件设置");
  auto* ok = ui::Make<ui::Button>(dialog, dialog, "btnOK");
  ok->ButtonModalResult = ui::mrOk;
  ui_.OnModal("条件设置", [&](ui::Form& shown) {
    EXPECT_EQ(&shown, dialog);
    EXPECT_TRUE(shown.Visible());
    ok->Click();
    return ui::mrNone;  // keep what the button set
  });
  ui_.OnModal("TFrmCondition", [](ui::Form&) { return ui::mrCancel; });  // by class name
  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
  dialog->Free();
}

TEST_F(FormTest, UnansweredModalsAndQuestionsAreRecordedAsFailures) {
  auto* dialog = new ui::Form(nullptr);
  dialog->SetCaption("选择");
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
  EXPECT_EQ(ui_.MessageBox(0, "是否继续?", "提示", ui::MB_YESNO), ui::IDCANCEL);
  EXPECT_EQ(ui_.MessageBox(0, "完成", "提示", ui::MB_OK), ui::IDOK);  // one button: no script
  const std::vector<std::string> failures = ui_.TakeFailures();
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("选择"), std::string::npos);
  dialog->Free();
}

struct CloseCase {
  ui::CloseAction action;
  bool freed;
  bool visible;
};

class FormCloseTest : public FormTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(FormCloseTest, CloseActionDecidesWhatBecomesOfTheForm) {
  const CloseCase c = GetParam();
  auto* form = new ui::Form(nullptr);
  bool destroyed = false;
  form->OnDestroy = [&](ui::Form&) { destroyed = true; };
  form->OnClose = [&](ui::Form&, ui::CloseAction& action) { action = c.action; };
  form->Show();
  form->Close();
  EXPECT_FALSE(destroyed);  // never while a handler may still run
  ui_.ProcessMessages();
  EXPECT_EQ(destroyed, c.freed);
  if (!c.freed) {
    EXPECT_EQ(form->Visible(), c.visible);
    form->Free();
    EXPECT_TRUE(destroyed);
  }
}

INSTANTIATE_TEST_SUITE_P(Actions, FormCloseTest,
                         testing::Values(CloseCase{ui::CloseAction::None, false, true},
                                         CloseCase{ui::CloseAction::Hide, false, false},
                                         CloseCase{ui::CloseAction::Free, true, false}),
                         [](const auto& info) {
                           return std::string(info.param.freed ? "Free" : info.param.visible ? "None" : "Hide");
                         });

TEST_F(FormTest, AFailingCloseHandlerKeepsTheFormOpen) {
  auto* form = new ui::Form(nullptr);
  form->OnClose = [](ui::Form&, ui::CloseAction& action) {
    action = ui::CloseAction::Free;
    throw std::runtime_error("保存失败");
  };
  form->Show();
  form->Close();
  ui_.ProcessMessages();
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(ui_.MessageBoxes().at(0).text, "保存失败");
  form->OnClose = nullptr;
  form->Free();
}

}  // namespace
