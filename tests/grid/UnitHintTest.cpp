// The please-wait window: its look, the animation it picks, the shared reference, and
// that errors stay visible after it has been created.
#include "grid/UnitHint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "support/HeadlessTest.h"
#include "ui/Events.h"

namespace {

namespace fs = std::filesystem;

// Runs in a folder of its own, with or without "Resource/Turtle.avi".
class HintTest : public HeadlessTest {
 protected:
  HintTest() : previous_(fs::current_path()) {
    folder_ = fs::temp_directory_path() / ("fee-hint-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    fs::current_path(folder_);
  }
  ~HintTest() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  void AddAnimationFile() {
    fs::create_directories("Resource");
    std::ofstream(TFrmHintFile()) << "RIFF";
  }
  static std::string TFrmHintFile() { return grid::TFrmHint::AnimationFile(); }

  fs::path previous_;
  fs::path folder_;
};

TEST_F(HintTest, WithoutTheFileShowsTheSystemClipFurtherRight) {
  grid::TFrmHint* hint = ui::CreateForm<grid::TFrmHint>();
  EXPECT_EQ(hint->Animate1->GetCommonAvi(), ui::CommonAvi::FindFolder);
  EXPECT_TRUE(hint->Animate1->Active());
  EXPECT_EQ(hint->Animate1->StopFrame(), 29);
  EXPECT_EQ(hint->Animate1->Bounds(), (ui::Rect{16, 20, 80, 50}));
  EXPECT_EQ(hint->Label1->Left(), 116);
  EXPECT_EQ(hint->Label1->Top(), 40);
  EXPECT_EQ(hint->Label1->Caption(), "正在统计，请稍候...");
  EXPECT_EQ(hint->Label1->GetFont().height, -14);
  EXPECT_EQ(hint->Label1->GetFont().name, "宋体");
  EXPECT_EQ(hint->ClientWidth(), 332);
  EXPECT_EQ(hint->ClientHeight(), 87);
  EXPECT_TRUE(hint->StayOnTop);
  EXPECT_EQ(hint->GetBorderStyle(), ui::BorderStyle::None);
  hint->Free();
}

TEST_F(HintTest, WithTheFilePlaysIt) {
  AddAnimationFile();
  grid::TFrmHint* hint = ui::CreateForm<grid::TFrmHint>();
  EXPECT_EQ(hint->Animate1->FileName(), TFrmHintFile());
  EXPECT_EQ(hint->Animate1->GetCommonAvi(), ui::CommonAvi::None);
  EXPECT_EQ(hint->Animate1->Left(), 32);
  EXPECT_EQ(hint->Animate1->Top(), 2);
  EXPECT_EQ(hint->Label1->Left(), 93);
  EXPECT_EQ(hint->Label1->Top(), 69);
  hint->Free();
}

TEST_F(HintTest, SharedReferenceIsClearedWithTheWindow) {
  grid::FrmHint() = ui::CreateForm<grid::TFrmHint>();
  grid::FrmHint()->SetHintText("已完成 3/10");
  grid::FrmHint()->ShowNow();
  EXPECT_TRUE(grid::FrmHint()->Visible());
  EXPECT_EQ(grid::FrmHint()->Label1->Caption(), "已完成 3/10");
  grid::FrmHint()->Free();
  EXPECT_EQ(grid::FrmHint(), nullptr);
}

TEST_F(HintTest, ErrorsAreStillShownAfterTheWindowWasCreated) {
  ui::CreateForm<grid::TFrmHint>()->Free();
  ui_.OnMessageBox("错误", ui::IDOK);
  EXPECT_FALSE(ui::RunGuarded(0, [] { throw std::runtime_error("失败"); }));
  ASSERT_EQ(ui_.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui_.MessageBoxes()[0].caption, "错误");
  EXPECT_EQ(ui_.MessageBoxes()[0].text, "失败");
}

}  // namespace
