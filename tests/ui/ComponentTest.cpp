#include <gtest/gtest.h>

#include "support/HeadlessTest.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Make.h"
#include "ui/Panel.h"

namespace {

using ui::Align;
using ui::Rect;

class ComponentTest : public HeadlessTest {};

TEST_F(ComponentTest, OwnerFreesWhatItOwnsAndForgetsWhatIsFreedFirst) {
  auto* owner = new ui::Form(nullptr);
  auto* a = ui::Make<ui::Panel>(owner, owner, "pnlA");
  auto* b = ui::Make<ui::Panel>(owner, a, "pnlB");
  ASSERT_EQ(owner->Components(), (std::vector<ui::Component*>{a, b}));
  EXPECT_EQ(owner->FindComponent("PNLb"), b);
  EXPECT_EQ(b->Parent(), a);

  b->Free();
  EXPECT_EQ(owner->Components(), (std::vector<ui::Component*>{a}));
  EXPECT_TRUE(a->Controls().empty());
  owner->Free();  // frees a; a leak or a double free shows under the sanitizers
}

TEST_F(ComponentTest, AlignedChildrenShareTheClientAreaInPlatformOrder) {
  auto* form = new ui::Form(nullptr);
  form->SetClientSize(400, 300);
  auto* client = ui::Make<ui::Panel>(form, form, "client");
  auto* top = ui::Make<ui::Panel>(form, form, "top");
  auto* bottom = ui::Make<ui::Panel>(form, form, "bottom");
  auto* left = ui::Make<ui::Panel>(form, form, "left");
  top->SetHeight(30);
  bottom->SetHeight(20);
  left->SetWidth(50);
  client->SetAlign(Align::Client);
  top->SetAlign(Align::Top);
  bottom->SetAlign(Align::Bottom);
  left->SetAlign(Align::Left);

  EXPECT_EQ(top->Bounds(), (Rect{0, 0, 400, 30}));
  EXPECT_EQ(bottom->Bounds(), (Rect{0, 280, 400, 20}));
  EXPECT_EQ(left->Bounds(), (Rect{0, 30, 50, 250}));
  EXPECT_EQ(client->Bounds(), (Rect{50, 30, 350, 250}));

  form->SetClientSize(500, 400);  // a resize lays out again
  EXPECT_EQ(client->Bounds(), (Rect{50, 30, 450, 350}));
  top->SetVisible(false);  // hidden controls give up their room
  EXPECT_EQ(left->Bounds(), (Rect{0, 0, 50, 380}));
  form->Free();
}

TEST_F(ComponentTest, ControlsUseTheirParentsFontUntilGivenTheirOwn) {
  auto* form = new ui::Form(nullptr);
  form->SetFont(ui::Font{"宋体", -12, ui::GB2312_CHARSET});
  auto* panel = ui::Make<ui::Panel>(form, form, "panel");
  EXPECT_EQ(panel->GetFont().name, "宋体");
  ui::Font bold = panel->GetFont();
  bold.bold = true;
  panel->SetFont(bold);
  form->SetFont(ui::Font{"Tahoma", -11, ui::DEFAULT_CHARSET});
  EXPECT_EQ(panel->GetFont(), bold);
  form->Free();
}

TEST_F(ComponentTest, UserChangesFireEventsAndCodeChangesDoNot) {
  auto* form = new ui::Form(nullptr);
  auto* combo = ui::Make<ui::ComboBox>(form, form, "cmbZffsbm");
  int changes = 0;
  combo->OnChange = [&](ui::ComboBox&) { ++changes; };
  combo->SetItems({"01 现金", "02 转账"});
  combo->SetItemIndex(1);
  EXPECT_EQ(changes, 0);
  combo->Choose(0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo->Text(), "01 现金");
  combo->SetItemIndex(5);  // out of range: nothing chosen
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  form->Free();
}

TEST_F(ComponentTest, EditLengthLimitCountsAnsiBytesAndKeepsCharactersWhole) {
  auto* form = new ui::Form(nullptr);
  auto* edit = ui::Make<ui::Edit>(form, form, "edtBz");
  edit->MaxLength = 5;
  edit->SetText("审批表");
  EXPECT_EQ(edit->Text(), "审批");
  form->Free();
}

}  // namespace
