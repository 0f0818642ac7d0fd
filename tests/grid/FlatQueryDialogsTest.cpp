#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/DialogColours.h"
#include "grid/FlatChooseItem.h"
#include "grid/FlatInputQuery.h"
#include "support/ColourIniFolder.h"
#include "support/HeadlessTest.h"
#include "ui/DialogKeys.h"

namespace {

// Colours an earlier dialog left behind.
constexpr grid::DialogColours kEarlier{0x111111, 0x222222};

class QueryDialogTest : public HeadlessTest {
 protected:
  QueryDialogTest() { grid::SharedDialogColours() = kEarlier; }

  // Answers the next input dialog: `work` types and presses, then the form is looked at.
  void OnInput(std::function<void(grid::TFlatInputQueryForm&)> work) {
    ui_.OnModal("TInputQueryForm", [=, this](ui::Form& form) {
      auto& dialog = dynamic_cast<grid::TFlatInputQueryForm&>(form);
      look_ = {dialog.GetColor(), dialog.ValueEdit->ColorBorder(), dialog.OKButton->ColorBorder(),
               dialog.ValueEdit->SelStart, dialog.ValueEdit->SelLength};
      work(dialog);
      return ui::mrNone;
    });
  }
  void OnChoice(std::function<void(grid::TFlatChooseItemForm&)> work) {
    ui_.OnModal("TChooseItemForm", [=, this](ui::Form& form) {
      auto& dialog = dynamic_cast<grid::TFlatChooseItemForm&>(form);
      look_ = {dialog.GetColor(), dialog.ItemBox->ColorBorder(), dialog.OKButton->ColorBorder()};
      work(dialog);
      return ui::mrNone;
    });
  }

  struct Look {
    ui::Color back = 0, fieldBorder = 0, buttonBorder = 0;
    int selStart = 0, selLength = 0;
  };
  Look look_;
  ColourIniFolder ini_;
};

void Press(ui::Form& form, ui::DialogKey key) { EXPECT_TRUE(ui::PressDialogKey(form, key)); }

TEST_F(QueryDialogTest, InputEnterConfirmsTheEditedTextAndEscKeepsTheValue) {
  OnInput([](grid::TFlatInputQueryForm& d) {
    d.ValueEdit->SetText("新值");
    Press(d, ui::DialogKey::Enter);
  });
  std::string value = "旧值";
  EXPECT_TRUE(grid::FlatInputQuery("输入", "名称", value));
  EXPECT_EQ(value, "新值");
  EXPECT_EQ(look_.selStart, 2);  // the caret after the last character
  EXPECT_EQ(look_.selLength, 0);

  OnInput([](grid::TFlatInputQueryForm& d) {
    d.ValueEdit->SetText("丢弃");
    Press(d, ui::DialogKey::Escape);
  });
  EXPECT_FALSE(grid::FlatInputQuery("输入", "名称", value));
  EXPECT_EQ(value, "新值");
}

TEST_F(QueryDialogTest, InputIsLaidOutInDialogUnits) {
  OnInput([](grid::TFlatInputQueryForm& d) {
    // Units 6 by 12.
    EXPECT_EQ(d.Caption(), "测试信息");
    EXPECT_EQ(d.Bounds(), (ui::Rect{(1024 - 270) / 2, (768 - 95) / 2, 270, 95}));
    EXPECT_EQ(d.Position, ui::FormPosition::ScreenCenter);
    EXPECT_EQ(d.GetBorderStyle(), ui::BorderStyle::Dialog);
    EXPECT_EQ(d.Prompt->Caption(), "查询语句");
    EXPECT_EQ(d.Prompt->Bounds(), (ui::Rect{12, 12, 48, 12}));
    EXPECT_EQ(d.ValueEdit->ClassName(), "TFlatEdit");
    EXPECT_EQ(d.ValueEdit->Left(), 12);
    EXPECT_EQ(d.ValueEdit->Top(), 29);
    EXPECT_EQ(d.ValueEdit->Width(), 246);
    EXPECT_EQ(d.ValueEdit->GetFont().name, "宋体");
    EXPECT_EQ(d.OKButton->Name, "btnOK");
    EXPECT_EQ(d.OKButton->Caption(), "确认(&O)");
    EXPECT_EQ(d.OKButton->Bounds(), (ui::Rect{57, 62, 75, 21}));
    EXPECT_EQ(d.CancelButton->Name, "btnCancel");
    EXPECT_EQ(d.CancelButton->Caption(), "放弃(&C)");
    EXPECT_EQ(d.CancelButton->Bounds(), (ui::Rect{138, 62, 75, 21}));
    EXPECT_TRUE(d.OKButton->HandCursor);
    d.CancelButton->Click();
  });
  std::string value;
  EXPECT_FALSE(grid::FlatInputQuery("测试信息", "查询语句", value));
}

TEST_F(QueryDialogTest, InputNeverTakesMoreThan255TypedBytesButKeepsALongerValueWhole) {
  const std::string longValue(300, 'q');
  OnInput([](grid::TFlatInputQueryForm& d) { Press(d, ui::DialogKey::Enter); });
  std::string value = longValue;
  EXPECT_TRUE(grid::FlatInputQuery("测试信息", "查询语句", value));
  EXPECT_EQ(value, longValue);

  OnInput([&](grid::TFlatInputQueryForm& d) {
    d.ValueEdit->SetText(std::string(300, 'x'));
    Press(d, ui::DialogKey::Enter);
  });
  EXPECT_TRUE(grid::FlatInputQuery("输入", "名称", value));
  EXPECT_EQ(value, std::string(255, 'x'));
}

TEST_F(QueryDialogTest, InputKeepsEarlierColoursUntilItsSchemeSwitchIsOn) {
  ini_.WriteIni("[ColorOption]\r\nstyle=1\r\nbackcolor=255\r\nlinecolor=65280\r\n");
  OnInput([](grid::TFlatInputQueryForm& d) { Press(d, ui::DialogKey::Escape); });
  std::string value;
  grid::FlatInputQuery("输入", "名称", value);
  EXPECT_EQ(look_.back, kEarlier.back);  // "style" is the choice dialog's switch
  EXPECT_EQ(look_.fieldBorder, kEarlier.line);
  EXPECT_EQ(look_.buttonBorder, kEarlier.line);

  ini_.WriteIni("[ColorOption]\r\ncolorstyle=1\r\nbackcolor=255\r\nlinecolor=65280\r\n");
  OnInput([](grid::TFlatInputQueryForm& d) { Press(d, ui::DialogKey::Escape); });
  grid::FlatInputQuery("输入", "名称", value);
  EXPECT_EQ(look_.back, 255u);
  EXPECT_EQ(look_.fieldBorder, 65280u);
  EXPECT_EQ(look_.buttonBorder, 65280u);
  EXPECT_EQ(grid::SharedDialogColours().back, 255u);  // left for later dialogs
}

TEST_F(QueryDialogTest, ChoiceEnterConfirmsTheSelectedItem) {
  const std::vector<std::string> items{"并且", "或者"};
  OnChoice([](grid::TFlatChooseItemForm& d) {
    EXPECT_EQ(d.ItemBox->ItemIndex(), 0);
    EXPECT_FALSE(d.ItemBox->Editable());
    d.ItemBox->Choose(1);
    Press(d, ui::DialogKey::Enter);
  });
  std::string chosen;
  grid::FlatChooseItem("选择框", "请选择一个逻辑关系：", items, chosen, false);
  EXPECT_EQ(chosen, "或者");

  OnChoice([](grid::TFlatChooseItemForm& d) { Press(d, ui::DialogKey::Enter); });
  grid::FlatChooseItem("选择框", "请选择一个逻辑关系：", items, chosen, false);
  EXPECT_EQ(chosen, "并且");
}

TEST_F(QueryDialogTest, ChoiceCancelledLeavesTheCallersValue) {
  for (const std::string before : {"", "001 总部"}) {
    OnChoice([](grid::TFlatChooseItemForm& d) { Press(d, ui::DialogKey::Escape); });
    std::string chosen = before;
    grid::FlatChooseItem("选择", "请选择一个核算单位", {"002 分部"}, chosen, false);
    EXPECT_EQ(chosen, before);
  }
}

TEST_F(QueryDialogTest, ChoiceOfAnEmptyListConfirmsAnEmptyText) {
  OnChoice([](grid::TFlatChooseItemForm& d) {
    EXPECT_EQ(d.ItemBox->ItemIndex(), -1);
    Press(d, ui::DialogKey::Enter);
  });
  std::string chosen = "stale";
  grid::FlatChooseItem("选择", "请选择一个核算单位", {}, chosen, false);
  EXPECT_EQ(chosen, "");
}

TEST_F(QueryDialogTest, EditableChoiceReturnsTheTypedText) {
  OnChoice([](grid::TFlatChooseItemForm& d) {
    EXPECT_TRUE(d.ItemBox->Editable());
    EXPECT_EQ(d.ItemBox->Text(), "a");
    d.ItemBox->SetText("自定义");
    Press(d, ui::DialogKey::Enter);
  });
  std::string chosen;
  grid::FlatChooseItem("选择", "值", {"a", "b"}, chosen, true);
  EXPECT_EQ(chosen, "自定义");
}

TEST_F(QueryDialogTest, ChoiceHasUnnamedButtonsAndItsOwnSchemeSwitch) {
  ini_.WriteIni("[ColorOption]\r\ncolorstyle=1\r\nbackcolor=255\r\nlinecolor=65280\r\n");
  OnChoice([](grid::TFlatChooseItemForm& d) {
    EXPECT_EQ(d.OKButton->Name, "");
    EXPECT_EQ(d.CancelButton->Name, "");
    EXPECT_EQ(d.ItemBox->ClassName(), "TFlatComboBox");
    EXPECT_EQ(d.ItemBox->Bounds().left, 12);
    EXPECT_EQ(d.ItemBox->Bounds().top, 29);
    EXPECT_EQ(d.ItemBox->Width(), 246);
    Press(d, ui::DialogKey::Escape);
  });
  std::string chosen;
  grid::FlatChooseItem("选择", "值", {"a"}, chosen, false);
  EXPECT_EQ(look_.back, kEarlier.back);

  ini_.WriteIni("[ColorOption]\r\nstyle=1\r\n");  // on, colours by default
  OnChoice([](grid::TFlatChooseItemForm& d) { Press(d, ui::DialogKey::Escape); });
  grid::FlatChooseItem("选择", "值", {"a"}, chosen, false);
  EXPECT_EQ(look_.back, 15528176u);
  EXPECT_EQ(look_.fieldBorder, 12349763u);
  EXPECT_EQ(look_.buttonBorder, 12349763u);
}

}  // namespace
