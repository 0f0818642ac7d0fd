#include <gtest/gtest.h>

#include <memory>

#include "host/Exports.h"
#include "host/FrmBase.h"
#include "host/HostContext.h"
#include "support/HeadlessTest.h"

namespace {

using host::ScreenKind;

// A host service that answers nothing; the tests only follow its references.
class SilentHost : public host::HostDispatch {
 public:
  base::Variant Invoke(std::int32_t, std::span<host::HostArg>) override { return false; }
};

class EntryPointTest : public HeadlessTest {
 protected:
  void TearDown() override {
    for (ui::Form* form : ui_.FormsIn(panel_)) form->Free();
    host::ReleaseHostContext();
    HeadlessTest::TearDown();
  }

  // Opens a screen as an export call does and returns it.
  host::TFrmBase* Open(ScreenKind kind, const std::string& op = "0001",
                       std::shared_ptr<host::HostDispatch> service = nullptr) {
    if (!service) service = std::make_shared<SilentHost>();
    const std::size_t before = ui_.FormsIn(panel_).size();
    host::OpenScreen(kind, hostWindow_, op, panel_, std::move(service));
    const auto forms = ui_.FormsIn(panel_);
    EXPECT_EQ(forms.size(), before + 1);
    return forms.empty() ? nullptr : dynamic_cast<host::TFrmBase*>(forms.back());
  }

  ui::WindowHandle hostWindow_ = ui_.AddHostWindow({1024, 768});
  ui::WindowHandle panel_ = ui_.AddHostWindow({800, 560});
};

struct ScreenCase {
  ScreenKind kind;
  const char* className;
  const char* caption;
  const char* mainPanel;
  const char* exitButton;
};

class EachScreen : public EntryPointTest, public testing::WithParamInterface<ScreenCase> {};

TEST_P(EachScreen, OpensInsideTheHostPanelSizedToIt) {
  const ScreenCase& c = GetParam();
  host::TFrmBase* screen = Open(c.kind);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->ClassName(), c.className);
  EXPECT_EQ(screen->Caption(), c.caption);
  EXPECT_TRUE(screen->Visible());
  EXPECT_EQ(screen->GetBorderStyle(), ui::BorderStyle::None);
  EXPECT_EQ(screen->GetFont(), (ui::Font{"宋体", -12, ui::GB2312_CHARSET}));
  EXPECT_EQ(ui_.ParentOf(screen->Handle()), panel_);

  ASSERT_EQ(screen->MainPanel(), screen->FindComponent(c.mainPanel));
  EXPECT_EQ(screen->MainPanel()->Width(), 800);
  EXPECT_EQ(screen->MainPanel()->Height(), 560);
  EXPECT_EQ(screen->PanelMain->Bounds(), (ui::Rect{0, 0, 688, 450}));
  EXPECT_EQ(screen->PanelMain->BevelOuter(), ui::BevelKind::None);

  auto* exit = dynamic_cast<ui::Button*>(screen->FindComponent(c.exitButton));
  ASSERT_NE(exit, nullptr);
  EXPECT_EQ(exit->Caption(), "退  出");
  exit->Click();
  ui_.ProcessMessages();
  EXPECT_TRUE(ui_.FormsIn(panel_).empty());
  EXPECT_EQ(ui_.MessagesTo(hostWindow_).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, EachScreen,
    testing::Values(
        ScreenCase{ScreenKind::FldAuto, "TFrmFldAuto", "审批表自动生成", "PanelFldAuto", "tbnExit"},
        ScreenCase{ScreenKind::Import, "TFrmImport", "审批表成批导入", "PanelFldImport", "btnExit"},
        ScreenCase{ScreenKind::Export, "TFrmExport", "付款单自动生成", "panelExport", "btnExit"}),
    [](const auto& info) { return std::string(info.param.className); });

TEST_F(EntryPointTest, EachCallOpensANewScreenAndReplacesTheContext) {
  auto first = std::make_shared<SilentHost>();
  std::weak_ptr<host::HostDispatch> firstRef = first;
  host::TFrmBase* a = Open(ScreenKind::FldAuto, "0001", std::move(first));
  auto second = std::make_shared<SilentHost>();
  host::TFrmBase* b = Open(ScreenKind::FldAuto, "0002", second);

  EXPECT_NE(a, b);
  EXPECT_TRUE(a->Visible() && b->Visible());
  const host::HostContext& context = host::Context();
  EXPECT_EQ(context.operatorText, "0002");
  EXPECT_EQ(context.hostWindow, hostWindow_);
  EXPECT_EQ(context.service, second);
  EXPECT_EQ(context.fldAutoHistoryService, second);
  EXPECT_EQ(context.itemMappingService, second);
  // The context let go of the first service; the first screen's own service object
  // serves it while it is open, and closing it releases the last reference.
  EXPECT_EQ(firstRef.use_count(), 1);
  a->Close();
  ui_.ProcessMessages();
  EXPECT_TRUE(firstRef.expired());  // every reference to the first service was released
}

TEST_F(EntryPointTest, EachExportFillsItsOwnModuleReference) {
  auto service = std::make_shared<SilentHost>();
  Open(ScreenKind::Import, "0001", service);
  EXPECT_EQ(host::Context().importService, service);
  EXPECT_EQ(host::Context().exportHistoryService, nullptr);
  Open(ScreenKind::Export, "0001", service);
  EXPECT_EQ(host::Context().exportHistoryService, service);
}

TEST_F(EntryPointTest, EmptyOperatorTextIsStoredAsEmptyText) {
  Open(ScreenKind::Export, "");
  EXPECT_EQ(host::Context().operatorText, "");
}

TEST_F(EntryPointTest, ResizeMessageSizesPanelMainOnly) {
  host::TFrmBase* screen = Open(ScreenKind::FldAuto);
  ui_.SendMessage(screen->Handle(), host::WM_HOST_RESIZE, 300, 500);
  EXPECT_EQ(screen->PanelMain->Height(), 300);
  EXPECT_EQ(screen->PanelMain->Width(), 500);
  EXPECT_EQ(screen->MainPanel()->Height(), 560);
  EXPECT_EQ(screen->MainPanel()->Width(), 800);
}

TEST_F(EntryPointTest, ClosingSendsOneNoticeToTheHostWindowBeforeTheFormIsFreed) {
  host::TFrmBase* screen = Open(ScreenKind::Import);
  bool destroyed = false;
  screen->OnDestroy = [&](ui::Form&) { destroyed = true; };
  int noticesBeforeDestruction = 0;
  ui_.OnHostMessage = [&](const ui::headless::SentMessage& m) {
    if (m.target == hostWindow_ && m.message == host::WM_SCREEN_CLOSING && !destroyed)
      ++noticesBeforeDestruction;
  };
  screen->Close();
  ui_.ProcessMessages();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(noticesBeforeDestruction, 1);
  const auto sent = ui_.MessagesTo(hostWindow_);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].wParam, 0u);
  EXPECT_EQ(sent[0].lParam, 0);
}

}  // namespace
