// The Win32 backend with real windows: what the model sets shows in the windows,
// what Windows reports reaches the model's handlers, and errors stop at the window
// procedure.
#include "win32/Win32Backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "DialogWatch.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Make.h"
#include "ui/Panel.h"
#include "win32/WideText.h"
#include "win32/WindowClasses.h"
#include "win32/WindowHandles.h"

namespace {

using win32::ToHwnd;

std::string WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return win32::Utf8(text);
}

std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return win32::Utf8(name);
}

// A form embedded in a plain top-level window that stands in for the host's panel.
class Win32BackendTest : public ::testing::Test {
 protected:
  Win32BackendTest() {
    host_ = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                            480, nullptr, nullptr, nullptr, nullptr);
    form_ = new ui::Form(nullptr, "TFrmTest");
    form_->SetParentWindow(win32::ToHandle(host_));
    form_->SetBorderStyle(ui::BorderStyle::None);
    form_->SetFont(ui::Font{"宋体", -12, GB2312_CHARSET});
    form_->SetCaption("测试窗体");
    form_->SetBounds(0, 0, 600, 400);
  }
  ~Win32BackendTest() override {
    if (form_ != nullptr) form_->Free();
    DestroyWindow(host_);
  }

  template <class T>
  T* Add(const std::string& name) {
    return ui::Make<T>(form_, form_, name);
  }
  HWND Hwnd(ui::Control* control) { return ToHwnd(control->Handle()); }
  // Delivers WM_COMMAND with `code` from `control` to its parent, as the control does.
  void Notify(ui::Control* control, WORD code) {
    HWND window = Hwnd(control);
    SendMessageW(GetParent(window), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(window), code), reinterpret_cast<LPARAM>(window));
  }

  win32::Win32Backend backend_;
  HWND host_ = nullptr;
  ui::Form* form_ = nullptr;
};

TEST_F(Win32BackendTest, EmbeddedFormIsAChildWindowOfItsClassWithTheFormsFont) {
  auto* ok = Add<ui::Button>("btnOk");
  ok->SetCaption("确  定");
  form_->Show();

  HWND form = Hwnd(form_);
  EXPECT_EQ(GetParent(form), host_);
  EXPECT_TRUE(GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_EQ(ClassOf(form), "TFrmTest");
  EXPECT_EQ(WindowText(form), "测试窗体");
  EXPECT_EQ(WindowText(Hwnd(ok)), "确  定");

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Hwnd(ok), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(win32::Utf8(font.lfFaceName), "宋体");
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
}

TEST_F(Win32BackendTest, ModelChangesReachTheWindows) {
  auto* panel = Add<ui::Panel>("pnl");
  form_->Show();
  panel->SetBounds(10, 20, 300, 100);
  panel->SetCaption("标题");
  panel->SetEnabled(false);
  panel->SetVisible(false);

  RECT rect{};
  GetWindowRect(Hwnd(panel), &rect);
  MapWindowPoints(nullptr, Hwnd(form_), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right - rect.left, 300);
  EXPECT_EQ(rect.bottom - rect.top, 100);
  EXPECT_EQ(WindowText(Hwnd(panel)), "标题");
  EXPECT_FALSE(IsWindowEnabled(Hwnd(panel)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(panel)));
}

TEST_F(Win32BackendTest, ALaterControlLiesAboveAnEarlierOne) {
  auto* under = Add<ui::Panel>("under");
  auto* over = Add<ui::Panel>("over");
  under->SetBounds(0, 0, 200, 200);
  over->SetBounds(50, 50, 200, 200);
  form_->Show();
  EXPECT_EQ(ChildWindowFromPointEx(Hwnd(form_), POINT{100, 100}, CWP_SKIPINVISIBLE), Hwnd(over));
}

TEST_F(Win32BackendTest, LabelsWrapAndAlignAsTheySay) {
  struct Case {
    ui::TextAlignment alignment;
    bool wordWrap;
    DWORD staticType;
  };
  const Case cases[] = {{ui::TextAlignment::Left, false, SS_LEFTNOWORDWRAP},
                        {ui::TextAlignment::Left, true, SS_LEFT},
                        {ui::TextAlignment::Center, false, SS_CENTER},
                        {ui::TextAlignment::Right, true, SS_RIGHT}};
  std::vector<ui::Label*> labels;
  for (const Case& c : cases) {
    auto* label = Add<ui::Label>("lbl");
    label->Alignment = c.alignment;
    label->WordWrap = c.wordWrap;
    labels.push_back(label);
  }
  form_->Show();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(GetWindowLongPtrW(Hwnd(labels[i]), GWL_STYLE) & SS_TYPEMASK, cases[i].staticType)
        << i;
  }
}

TEST_F(Win32BackendTest, ButtonAndCheckBoxClicksReachTheirHandlers) {
  auto* button = Add<ui::Button>("btn");
  auto* box = Add<ui::CheckBox>("chb");
  int clicks = 0, ticks = 0;
  button->OnClick = [&](ui::Button&) { ++clicks; };
  box->OnClick = [&](ui::CheckBox&) { ++ticks; };
  form_->Show();

  SendMessageW(Hwnd(button), BM_CLICK, 0, 0);
  SendMessageW(Hwnd(box), BM_CLICK, 0, 0);

  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(SendMessageW(Hwnd(box), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Win32BackendTest, TypingFiresOnChangeButTextSetByCodeDoesNot) {
  auto* edit = Add<ui::Edit>("edt");
  edit->MaxLength = 4;
  std::vector<std::string> changes;
  edit->OnChange = [&](ui::Edit& e) { changes.push_back(e.Text()); };
  form_->Show();

  SetWindowTextW(Hwnd(edit), L"审批表");  // EN_CHANGE, as typing gives
  edit->SetCaption("abc");                 // code: no event

  // Four ANSI bytes hold two Chinese characters; the window shows what the model kept.
  EXPECT_THAT(changes, ::testing::ElementsAre("审批"));
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(WindowText(Hwnd(edit)), "abc");
}

TEST_F(Win32BackendTest, ComboBoxShowsItemsAndReportsTheUsersChoice) {
  auto* combo = Add<ui::ComboBox>("cmb");
  combo->SetItems({"01 现金", "02 支票"});
  combo->SetItemIndex(0);
  int changes = 0;
  combo->OnChange = [&](ui::ComboBox&) { ++changes; };
  form_->Show();
  HWND window = Hwnd(combo);
  EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), 0);

  SendMessageW(window, CB_SETCURSEL, 1, 0);
  Notify(combo, CBN_SELCHANGE);

  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "02 支票");
  EXPECT_EQ(changes, 1);
}

TEST_F(Win32BackendTest, HostMessagesReachTheFormsHandler) {
  std::vector<std::pair<std::uintptr_t, std::intptr_t>> resizes;
  form_->OnMessage = [&](ui::Form&, unsigned message, std::uintptr_t w, std::intptr_t l) {
    if (message != 0x402) return false;
    resizes.emplace_back(w, l);
    return true;
  };
  form_->Show();
  SendMessageW(Hwnd(form_), 0x402, 300, 500);
  EXPECT_THAT(resizes, ::testing::ElementsAre(std::make_pair(std::uintptr_t{300}, 500)));
}

TEST_F(Win32BackendTest, WmCloseAsksTheFormWhichFreesItselfAfterTheMessage) {
  bool destroyed = false;
  form_->OnClose = [](ui::Form&, ui::CloseAction& action) { action = ui::CloseAction::Free; };
  form_->OnDestroy = [&](ui::Form&) { destroyed = true; };
  form_->Show();
  HWND window = Hwnd(form_);

  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(destroyed);  // freed after the message, not inside it
  backend_.ProcessMessages();

  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(IsWindow(window));
  form_ = nullptr;
}

TEST_F(Win32BackendTest, AFormWhoseHostWindowGoesIsFreed) {
  bool destroyed = false;
  form_->OnDestroy = [&](ui::Form&) { destroyed = true; };
  form_->Show();
  DestroyWindow(host_);
  backend_.ProcessMessages();
  EXPECT_TRUE(destroyed);
  form_ = nullptr;
}

TEST_F(Win32BackendTest, AnErrorInAHandlerIsShownAsErrorAndGoesNoFurther) {
  auto* button = Add<ui::Button>("btn");
  button->OnClick = [](ui::Button&) { throw std::runtime_error("供应商编码不存在"); };
  form_->Show();
  win32test::DialogWatch watch;

  SendMessageW(Hwnd(button), BM_CLICK, 0, 0);

  ASSERT_EQ(watch.Boxes().size(), 1u);
  EXPECT_EQ(watch.Boxes()[0].caption, "错误");
  EXPECT_EQ(watch.Boxes()[0].text, "供应商编码不存在");
}

TEST_F(Win32BackendTest, ModalFormRunsUntilAButtonSetsItsResult) {
  form_->Show();
  auto* dialog = new ui::Form(nullptr, "TFrmDialog");
  dialog->SetBorderStyle(ui::BorderStyle::Dialog);
  dialog->Position = ui::FormPosition::ScreenCenter;
  auto* ok = ui::Make<ui::Button>(dialog, dialog, "btnOk");
  ok->ButtonModalResult = ui::mrOk;
  win32test::DialogWatch watch;
  bool hostDisabled = false;
  watch.OnNextTick([&] {
    hostDisabled = !IsWindowEnabled(host_);
    SendMessageW(Hwnd(ok), BM_CLICK, 0, 0);
  });

  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);

  EXPECT_TRUE(hostDisabled);
  EXPECT_TRUE(IsWindowEnabled(host_));
  EXPECT_FALSE(IsWindowVisible(Hwnd(dialog)));
  dialog->Free();
}

TEST_F(Win32BackendTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  auto* ok = Add<ui::Button>("btnOk");
  auto* cancel = Add<ui::Button>("btnCancel");
  ok->Default = true;
  cancel->Cancel = true;
  std::string clicked;
  ok->OnClick = [&](ui::Button&) { clicked += "ok "; };
  cancel->OnClick = [&](ui::Button&) { clicked += "cancel "; };
  form_->Show();
  SendMessageW(Hwnd(form_), WM_COMMAND, IDOK, 0);
  SendMessageW(Hwnd(form_), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(clicked, "ok cancel ");
}

TEST_F(Win32BackendTest, TextIsMeasuredInTheGivenFontAndTheScreenIsTheRealOne) {
  const ui::Font song{"宋体", -12, GB2312_CHARSET};
  const ui::Size one = backend_.TextExtent(song, "审批表");
  const ui::Size two = backend_.TextExtent(song, "审批表审批表");
  EXPECT_GE(one.height, 12);
  EXPECT_EQ(two.width, 2 * one.width);
  EXPECT_GT(backend_.TextExtent(ui::Font{"宋体", -24, GB2312_CHARSET}, "审批表").width, one.width);
  EXPECT_EQ(backend_.ScreenSize(),
            (ui::Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST(Win32BackendShutdown, FreesOpenFormsAndUnregistersItsClasses) {
  auto backend = std::make_unique<win32::Win32Backend>();
  bool destroyed = false;
  auto* form = new ui::Form(nullptr, "TFrmLeftOpen");
  form->OnDestroy = [&](ui::Form&) { destroyed = true; };
  form->Show();
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExW(win32::ModuleInstance(), L"TFrmLeftOpen", &info));

  backend.reset();

  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(GetClassInfoExW(win32::ModuleInstance(), L"TFrmLeftOpen", &info));
}

}  // namespace
