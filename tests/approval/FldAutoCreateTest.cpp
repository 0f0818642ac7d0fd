#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "approval/UnitFldAuto.h"
#include "grid/FlatChooseItem.h"
#include "host/Exports.h"
#include "host/HostContext.h"
#include "host/ShareData.h"
#include "services/FakeServiceHost.h"
#include "support/HeadlessTest.h"
#include "ui/DialogKeys.h"

namespace {

using testing_host::FakeServiceHost;
using testing_host::Row;

const std::string kRestriction = "select 1 from tbzyfghsdw where f_zybm='0001'";
const std::string kUnits =
    " Select * From tbHsdwda Where f_Hsdwh In (  Select f_Hsdwh From tbZbhsdwdz  Where "
    "f_Zbbm = '01'    And f_Jsbz = '1' )  order by f_hsdwh";

class FldAutoCreateTest : public HeadlessTest {
 protected:
  FldAutoCreateTest() {
    host_->selects[kRestriction] = {{"1"}, {}};
    FreeSlot();  // whatever an earlier run left
  }
  void TearDown() override {
    FreeSlot();
    for (ui::Form* form : ui_.FormsIn(panel_)) form->Free();
    host::ReleaseHostContext();
    HeadlessTest::TearDown();
  }

  static host::ShareData& Slots() { return host::ProcessShareData(); }
  // Frees this window's slot of the process-wide block.
  void FreeSlot() {
    Slots().ReadSlotUnit(hostWindow_);
    Slots().WriteSlotUnit(hostWindow_, "", "");
  }

  void Units(std::vector<Row> rows) { host_->selects[kUnits] = {{"f_Hsdwh", "f_Hsdwmc"}, rows}; }

  // Opens the screen as its export does; null when it closed while opening.
  approval::TFrmFldAuto* Open() {
    host::OpenScreen(host::ScreenKind::FldAuto, hostWindow_, "0001", panel_, host_);
    ui_.ProcessMessages();
    const auto forms = ui_.FormsIn(panel_);
    return forms.empty() ? nullptr : dynamic_cast<approval::TFrmFldAuto*>(forms.back());
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : ui_.MessageBoxes()) texts.push_back(box.caption + ":" + box.text);
    return texts;
  }

  std::shared_ptr<FakeServiceHost> host_ = std::make_shared<FakeServiceHost>();
  // A window handle no other test process uses, so the shared slots do not mix.
  ui::WindowHandle hostWindow_ = 0x40000000u | (static_cast<unsigned>(getpid()) & 0xFFFFFu);
  ui::WindowHandle panel_ = ui_.AddHostWindow({800, 560});
};

TEST_F(FldAutoCreateTest, TheOnlyUnitIsTakenShownAndStoredForTheHostWindow) {
  Units({{"001", "总部核算单位"}});
  approval::TFrmFldAuto* screen = Open();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->lblhsdw->Caption(), "核算单位：001 总部核算单位");
  EXPECT_EQ(screen->SysmsgInfo.zymc, "张三");
  EXPECT_EQ(screen->SysmsgInfo.qyny, "200401");
  EXPECT_TRUE(ui_.MessageBoxes().empty());
  EXPECT_EQ(Slots().ReadSlotUnit(hostWindow_), (host::SlotUnit{"001", "总部核算单位"}));

  // A second screen in the same host window asks nobody.
  const std::size_t statements = host_->statements.size();
  approval::TFrmFldAuto* second = Open();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, screen);
  EXPECT_EQ(second->Hsdwh, "001");
  EXPECT_EQ(second->lblhsdw->Caption(), "核算单位：001 总部核算单位");
  EXPECT_EQ(host_->statements.size(), statements);
}

TEST_F(FldAutoCreateTest, AUnitInTheSlotIsUsedWithoutAsking) {
  Slots().ReadSlotUnit(hostWindow_);
  Slots().WriteSlotUnit(hostWindow_, "002", "一分店");
  approval::TFrmFldAuto* screen = Open();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->Hsdwh, "002");
  EXPECT_EQ(screen->Hsdwmc, "一分店");
  EXPECT_EQ(screen->lblhsdw->Caption(), "核算单位：002 一分店");
  EXPECT_TRUE(host_->statements.empty());
}

TEST_F(FldAutoCreateTest, TheChosenOfSeveralUnitsIsWrittenBack) {
  Units({{"001", "总部"}, {"002", "一分店"}});
  ui_.OnModal("选择", [](ui::Form& form) {
    auto& dialog = dynamic_cast<grid::TFlatChooseItemForm&>(form);
    dialog.ItemBox->Choose(1);
    EXPECT_TRUE(ui::PressDialogKey(dialog, ui::DialogKey::Enter));
    return ui::mrNone;
  });
  approval::TFrmFldAuto* screen = Open();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->lblhsdw->Caption(), "核算单位：002 一分店");
  EXPECT_EQ(Slots().ReadSlotUnit(hostWindow_), (host::SlotUnit{"002", "一分店"}));
}

struct ClosingCase {
  const char* name;
  bool refuseUnits;
  const char* message;
};

class ClosesWithoutAUnit : public FldAutoCreateTest,
                           public testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosesWithoutAUnit, ShowsWhyAndLeavesTheSlotEmpty) {
  if (!GetParam().refuseUnits) {
    Units({{"001", "总部"}, {"002", "一分店"}});
    ui_.OnModal("选择", [](ui::Form& form) {
      EXPECT_TRUE(ui::PressDialogKey(form, ui::DialogKey::Escape));
      return ui::mrNone;
    });
  }
  EXPECT_EQ(Open(), nullptr);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{std::string("错误:") + GetParam().message});
  EXPECT_EQ(ui_.MessageBoxes()[0].flags, ui::MB_OK | ui::MB_ICONERROR);
  EXPECT_EQ(ui_.MessagesTo(hostWindow_).size(), 1u);  // the closing notice
  EXPECT_EQ(Slots().ReadSlotUnit(hostWindow_), host::SlotUnit{});
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosesWithoutAUnit,
                         testing::Values(ClosingCase{"UnitsRefused", true, "取核算单位出错！"},
                                         ClosingCase{"ChoiceAbandoned", false, "请选择核算单位号"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FldAutoCreateTest, AFailedParameterLoadKeepsTheScreenOpenWithoutAUnit) {
  host_->parameters = {{"dwlx", "03"}, {"qyny", "200401"}};
  approval::TFrmFldAuto* screen = Open();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"错误:没有可利用的数量精度！"});
  EXPECT_EQ(screen->Hsdwh, "");
  EXPECT_EQ(screen->lblhsdw->Caption(), "");
  EXPECT_TRUE(host_->statements.empty());
}

TEST_F(FldAutoCreateTest, TheTitleBandSitsUnderTheToolBar) {
  Units({{"001", "总部"}});
  approval::TFrmFldAuto* screen = Open();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->lblBillTitle->Caption(), "审批表自动生成");
  EXPECT_TRUE(screen->lblBillTitle->GetFont().bold);
  EXPECT_EQ(screen->lblBillTitle->GetFont().height, -24);
  EXPECT_TRUE(screen->lblhsdw->GetFont().bold);
  EXPECT_EQ(screen->lblhsdw->GetFont().height, -16);
  EXPECT_EQ(screen->lblhsdw->Alignment, ui::TextAlignment::Center);
  EXPECT_EQ(screen->PanelTitle->GetAlign(), ui::Align::Top);
  EXPECT_GE(screen->PanelTitle->Top(), screen->ToolBar1->Top() + screen->ToolBar1->Height());
}

}  // namespace
