#include "grid/FlatMessageDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/DialogColours.h"
#include "support/ColourIniFolder.h"
#include "support/HeadlessTest.h"
#include "ui/DialogKeys.h"

namespace {

using grid::MsgDlgBtn;
using grid::MsgDlgType;

class FlatMessageDlgTest : public HeadlessTest {
 protected:
  FlatMessageDlgTest() { grid::SharedDialogColours() = {}; }

  // Answers the next dialog with this caption by `answer`, keeping a look at it.
  void Answer(const std::string& caption, std::function<void(grid::TFlatMessageForm&)> answer) {
    ui_.OnModal(caption, [=, this](ui::Form& form) {
      auto& dialog = dynamic_cast<grid::TFlatMessageForm&>(form);
      shown_ = Snapshot(dialog);
      answer(dialog);
      return ui::mrNone;
    });
  }

  struct Look {
    std::string caption;
    ui::Color color = 0;
    ui::Rect bounds;
    bool centred = false;
    bool hasImage = false;
    ui::SystemIcon icon = ui::SystemIcon::None;
    ui::Rect imageBounds, messageBounds;
    std::string message;
    std::vector<std::string> names, captions;
    std::vector<ui::Rect> buttonBounds;
    std::vector<ui::Color> borders;
  };
  static Look Snapshot(grid::TFlatMessageForm& d) {
    Look look{d.Caption(), d.GetColor(), d.Bounds(),
              d.Position == ui::FormPosition::ScreenCenter, d.Image != nullptr};
    if (d.Image != nullptr) {
      look.icon = d.Image->Icon();
      look.imageBounds = d.Image->Bounds();
    }
    look.message = d.Message->Caption();
    look.messageBounds = d.Message->Bounds();
    for (ui::Button* b : d.Buttons) {
      look.names.push_back(b->Name);
      look.captions.push_back(b->Caption());
      look.buttonBounds.push_back(b->Bounds());
      look.borders.push_back(b->ColorBorder());
    }
    return look;
  }

  Look shown_;
  ColourIniFolder ini_;
};

struct KeyCase {
  const char* name;
  grid::MsgDlgButtons buttons;
  ui::DialogKey key;
  ui::ModalResult expected;
};

class DialogKeyTest : public FlatMessageDlgTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeyTest, EnterAndEscAnswerAsTheDefaultAndCancelButtons) {
  Answer("询问", [](grid::TFlatMessageForm& d) { EXPECT_TRUE(ui::PressDialogKey(d, GetParam().key)); });
  EXPECT_EQ(grid::FlatMessageDlg("是否继续？", MsgDlgType::mtConfirmation, GetParam().buttons, 0),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogKeyTest,
    testing::Values(
        KeyCase{"YesNoEnter", {MsgDlgBtn::mbYes, MsgDlgBtn::mbNo}, ui::DialogKey::Enter, ui::mrYes},
        KeyCase{"YesNoEsc", {MsgDlgBtn::mbYes, MsgDlgBtn::mbNo}, ui::DialogKey::Escape, ui::mrNo},
        KeyCase{"OkCancelEnter", {MsgDlgBtn::mbOK, MsgDlgBtn::mbCancel}, ui::DialogKey::Enter,
                ui::mrOk},
        KeyCase{"OkCancelEsc", {MsgDlgBtn::mbOK, MsgDlgBtn::mbCancel}, ui::DialogKey::Escape,
                ui::mrCancel},
        KeyCase{"YesNoCancelEsc", {MsgDlgBtn::mbYes, MsgDlgBtn::mbNo, MsgDlgBtn::mbCancel},
                ui::DialogKey::Escape, ui::mrCancel},
        KeyCase{"OkAloneEsc", {MsgDlgBtn::mbOK}, ui::DialogKey::Escape, ui::mrOk},
        KeyCase{"AbortRetryIgnoreEnter",
                {MsgDlgBtn::mbAbort, MsgDlgBtn::mbRetry, MsgDlgBtn::mbIgnore},
                ui::DialogKey::Enter, ui::mrRetry}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlatMessageDlgTest, EscWithoutACancellingButtonLeavesTheDialogOpen) {
  Answer("询问", [](grid::TFlatMessageForm& d) {
    EXPECT_FALSE(ui::PressDialogKey(d, ui::DialogKey::Escape));
    EXPECT_EQ(d.GetModalResult(), ui::mrNone);
    d.Buttons[0]->Click();
  });
  EXPECT_EQ(grid::FlatMessageDlg("?", MsgDlgType::mtConfirmation,
                                 {MsgDlgBtn::mbAbort, MsgDlgBtn::mbIgnore}, 0),
            ui::mrAbort);
}

struct ButtonCase {
  MsgDlgBtn button;
  const char* name;
  const char* caption;
  ui::ModalResult result;
};

class DialogButtonTest : public FlatMessageDlgTest,
                         public testing::WithParamInterface<ButtonCase> {};

TEST_P(DialogButtonTest, EachButtonHasItsNameCaptionAndResult) {
  const ButtonCase& c = GetParam();
  Answer("信息", [&](grid::TFlatMessageForm& d) {
    ASSERT_EQ(d.Buttons.size(), 2u);
    d.Buttons[0]->Click();
    if (c.result == ui::mrNone) {  // stays open
      EXPECT_EQ(d.GetModalResult(), ui::mrNone);
      d.Buttons[1]->Click();
    }
  });
  const ui::ModalResult result =
      grid::FlatMessageDlg("x", MsgDlgType::mtInformation, {c.button, MsgDlgBtn::mbHelp}, 0);
  EXPECT_EQ(shown_.names[0], c.name);
  EXPECT_EQ(shown_.captions[0], c.caption);
  EXPECT_EQ(result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, DialogButtonTest,
    testing::Values(ButtonCase{MsgDlgBtn::mbYes, "Yes", "是(&Y)", ui::mrYes},
                    ButtonCase{MsgDlgBtn::mbNo, "No", "不(&N)", ui::mrNo},
                    ButtonCase{MsgDlgBtn::mbOK, "OK", "确认(&O)", ui::mrOk},
                    ButtonCase{MsgDlgBtn::mbCancel, "Cancel", "放弃(&C)", ui::mrCancel},
                    ButtonCase{MsgDlgBtn::mbAbort, "Abort", "&Abort", ui::mrAbort},
                    ButtonCase{MsgDlgBtn::mbRetry, "Retry", "&Retry", ui::mrRetry},
                    ButtonCase{MsgDlgBtn::mbIgnore, "Ignore", "&Ignore", ui::mrIgnore},
                    ButtonCase{MsgDlgBtn::mbAll, "All", "&All", ui::mrAll},
                    ButtonCase{MsgDlgBtn::mbNoToAll, "NoToAll", "N&o to All", ui::mrNoToAll},
                    ButtonCase{MsgDlgBtn::mbYesToAll, "YesToAll", "Yes to &All",
                               ui::mrYesToAll}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlatMessageDlgTest, HelpDoesNothing) {
  Answer("信息", [](grid::TFlatMessageForm& d) {
    d.Buttons[1]->Click();
    EXPECT_EQ(d.GetModalResult(), ui::mrNone);
    d.Buttons[0]->Click();
  });
  EXPECT_EQ(grid::FlatMessageDlg("x", MsgDlgType::mtInformation,
                                 {MsgDlgBtn::mbHelp, MsgDlgBtn::mbOK}, 0),
            ui::mrOk);
  EXPECT_EQ(shown_.names, (std::vector<std::string>{"OK", "Help"}));  // in table order
}

struct KindCase {
  MsgDlgType kind;
  const char* caption;
  ui::SystemIcon icon;
};

class DialogKindTest : public FlatMessageDlgTest, public testing::WithParamInterface<KindCase> {};

TEST_P(DialogKindTest, TheKindGivesCaptionAndIcon) {
  Answer(GetParam().caption, [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg("x", GetParam().kind, {MsgDlgBtn::mbOK}, 0);
  EXPECT_EQ(shown_.caption, GetParam().caption);
  EXPECT_EQ(shown_.hasImage, GetParam().icon != ui::SystemIcon::None);
  EXPECT_EQ(shown_.icon, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DialogKindTest,
    testing::Values(KindCase{MsgDlgType::mtWarning, "警告", ui::SystemIcon::Warning},
                    KindCase{MsgDlgType::mtError, "错误", ui::SystemIcon::Error},
                    KindCase{MsgDlgType::mtInformation, "信息", ui::SystemIcon::Information},
                    KindCase{MsgDlgType::mtConfirmation, "询问", ui::SystemIcon::Question},
                    KindCase{MsgDlgType::mtCustom, "FeeScreens", ui::SystemIcon::None}),
    [](const auto& info) { return "kind" + std::to_string(info.index); });

TEST_F(FlatMessageDlgTest, IsLaidOutInDialogUnitsAndCentred) {
  // Units 6 by 12: margins 12 and 12, spacing 15 and 15, buttons 75 by 21, 6 apart.
  Answer("询问", [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg("是否删除？", MsgDlgType::mtConfirmation,
                       {MsgDlgBtn::mbYes, MsgDlgBtn::mbNo}, 0);
  EXPECT_EQ(shown_.bounds, (ui::Rect{422, 338, 180, 92}));
  EXPECT_TRUE(shown_.centred);
  EXPECT_EQ(shown_.imageBounds, (ui::Rect{12, 12, 32, 32}));
  EXPECT_EQ(shown_.messageBounds, (ui::Rect{59, 12, 60, 12}));
  EXPECT_EQ(shown_.message, "是否删除？");
  EXPECT_EQ(shown_.buttonBounds, (std::vector<ui::Rect>{{12, 59, 75, 21}, {93, 59, 75, 21}}));
}

TEST_F(FlatMessageDlgTest, ALongTextWrapsAtHalfTheScreen) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "审";
  Answer("FeeScreens", [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg(text, MsgDlgType::mtCustom, {MsgDlgBtn::mbYesToAll}, 0);
  // Three lines of at most 42 characters; no icon.
  EXPECT_EQ(shown_.messageBounds, (ui::Rect{12, 12, 504, 36}));
  EXPECT_EQ(shown_.bounds.width, 504 + 24);
  EXPECT_EQ(shown_.bounds.height, 36 + 21 + 15 + 24);
  EXPECT_EQ(shown_.buttonBounds, (std::vector<ui::Rect>{{(528 - 75) / 2, 63, 75, 21}}));
}

TEST_F(FlatMessageDlgTest, PositionedVariantSetsTheCoordinatesGiven) {
  Answer("信息", [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg("是否删除？", MsgDlgType::mtInformation, {MsgDlgBtn::mbOK}, 0, 10, -1, "");
  EXPECT_EQ(shown_.bounds.left, 10);
  EXPECT_EQ(shown_.bounds.top, (768 - shown_.bounds.height) / 2);
  EXPECT_FALSE(shown_.centred);
  Answer("信息", [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg("是否删除？", MsgDlgType::mtInformation, {MsgDlgBtn::mbOK}, 0, -1, -1, "");
  EXPECT_TRUE(shown_.centred);
}

TEST_F(FlatMessageDlgTest, WithoutTheIniFileTheBackIsTheSchemeDefaultAndBordersGreen) {
  Answer("错误", [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg("x", MsgDlgType::mtError, {MsgDlgBtn::mbOK, MsgDlgBtn::mbCancel}, 0);
  EXPECT_EQ(shown_.color, 15528176u);
  EXPECT_EQ(shown_.borders, (std::vector<ui::Color>{ui::clGreen, ui::clGreen}));
}

TEST_F(FlatMessageDlgTest, TheBackColourIsReadAgainForEveryMessage) {
  ini_.WriteIni("[ColorOption]\r\nbackcolor=255\r\nlinecolor=65280\r\n");
  Answer("错误", [](grid::TFlatMessageForm& d) { d.Buttons[0]->Click(); });
  grid::FlatMessageDlg("x", MsgDlgType::mtError, {MsgDlgBtn::mbOK}, 0);
  EXPECT_EQ(shown_.color, 255u);
  EXPECT_EQ(shown_.borders, std::vector<ui::Color>{ui::clGreen});  // the line colour is not read
}

}  // namespace
