// The grid's own window under Wine: a few thousand banded rows with a sum footer, a
// frozen column and a sort marker; a click on a title sorts the dataset. A screenshot
// of the grid is saved for a person to look at.
#include "win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "data/Dataset.h"
#include "data/Field.h"
#include "grid/AdvDBGridEh.h"
#include "grid/UnitHint.h"
#include "refhost/win/PngWriter.h"
#include "refhost/win/WindowCapture.h"
#include "ui/Form.h"
#include "ui/Make.h"
#include "win32/Win32Backend.h"
#include "win32/WindowHandles.h"

namespace {

constexpr int kRows = 3000;

// Saves the client area of a window as a PNG under the build's screenshot folder.
refhost::RgbImage SaveScreenshot(HWND window, const std::string& name) {
  const refhost::RgbImage image = refhost::CaptureClient(window);
  const std::vector<std::uint8_t> png = refhost::EncodePng(image);
  CreateDirectoryA(FEE_SCREENSHOT_DIR, nullptr);
  const std::string path = std::string(FEE_SCREENSHOT_DIR) + "\\" + name;
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(png.data(), 1, png.size(), file);
    std::fclose(file);
  } else {
    ADD_FAILURE() << "cannot write " << path;
  }
  return image;
}

class GridWindowTest : public ::testing::Test {
 protected:
  GridWindowTest() {
    dataset_.AddField("f_Xh", data::FieldType::Integer);
    dataset_.AddField("f_Gysbm", data::FieldType::String, 10);
    dataset_.AddField("f_Gysmc", data::FieldType::String, 40);
    dataset_.AddField("f_Zdrq", data::FieldType::String, 8);
    dataset_.AddField("f_Ssje", data::FieldType::Float);
    dataset_.FieldByName("f_Ssje").SetDisplayFormat("0.00");
    dataset_.BeginLoad(kRows);
    for (int i = 0; i < kRows; ++i) {
      const std::uint32_t row = dataset_.AddRow();
      dataset_.Fields(0).SetIntegerAt(row, i + 1);
      dataset_.Fields(1).SetTextAt(row, std::to_string(100000 + (i * 7919) % kRows));
      dataset_.Fields(2).SetTextAt(row, "供应商" + std::to_string((i * 31) % 97) + "超市");
      dataset_.Fields(3).SetTextAt(row, "2005" + std::to_string(1010 + i % 20));
      dataset_.Fields(4).SetFloatAt(row, (i % 100) * 1.5);
    }
    dataset_.EndLoad();

    form_ = new ui::Form(nullptr, "TFrmGridTest");
    form_->SetBorderStyle(ui::BorderStyle::None);
    form_->SetFont(ui::Font{"宋体", -12, GB2312_CHARSET});
    form_->SetBounds(40, 40, 560, 360);
    grid_ = ui::Make<grid::TAdvDBGridEh>(form_, form_, "dgdView");
    grid_->SetAlign(ui::Align::Client);
    grid_->AutoSorted = true;
    grid_->FrozenCols = 1;
    grid_->FooterRowCount = 1;
    const struct { const char* field; const char* title; int width; } columns[] = {
        {"f_Xh", "序号", 50}, {"f_Gysbm", "供应商|编码", 80}, {"f_Gysmc", "供应商|名称", 200},
        {"f_Zdrq", "制单日期", 90}, {"f_Ssje", "实收金额", 100}};
    for (const auto& c : columns) grid_->Columns.Add({c.field, c.title, c.width});
    grid_->Columns.At(4).footer.valueType = ui::fvtSum;
    grid_->OnGetCellParams = [](ui::DBGrid&, ui::GridCellParams& params) {
      params.background = params.recNo % 2 ? ui::Rgb(196, 196, 255) : ui::Rgb(221, 221, 255);
    };
    grid_->SetDataSource(&source_);
    form_->Show();
    backend_.ProcessMessages();
  }
  ~GridWindowTest() override {
    grid_->SetDataSource(nullptr);
    form_->Free();
  }

  HWND GridWindow() { return win32::ToHwnd(grid_->Handle()); }

  void Click(int x, int y) {
    SendMessageW(GridWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(GridWindow(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    backend_.ProcessMessages();
  }

  win32::Win32Backend backend_;
  data::Dataset dataset_;
  data::DataSource source_{&dataset_};
  ui::Form* form_ = nullptr;
  grid::TAdvDBGridEh* grid_ = nullptr;
};

TEST_F(GridWindowTest, TitleClickSortsAndTheScreenshotShowsIt) {
  char className[64] = {};
  GetClassNameA(GridWindow(), className, sizeof className);
  EXPECT_STREQ(className, "TAdvDBGridEh");
  EXPECT_EQ(grid_->FooterText(4), "222750.00");

  // The code title (second column) twice: up, then down, the dataset follows.
  Click(60, 5);
  EXPECT_EQ(dataset_.IndexName(), "customindex");
  EXPECT_EQ(dataset_.FieldByName("f_Gysbm").AsStringAt(dataset_.RowAt(0)), "100000");
  Click(60, 5);
  EXPECT_EQ(grid_->Columns[1].sortMarker, ui::smDownEh);
  EXPECT_EQ(dataset_.FieldByName("f_Gysbm").AsStringAt(dataset_.RowAt(0)), "102999");

  // Scrolled right, the frozen number column stays.
  SendMessageW(GridWindow(), WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(grid_->LeftCol(), 1);
  EXPECT_EQ(grid_->ColumnSpan(0), std::make_pair(0, 50));
  SendMessageW(GridWindow(), WM_HSCROLL, MAKEWPARAM(SB_LINEUP, 0), 0);

  // Down the list with the keyboard.
  SetFocus(GridWindow());
  SendMessageW(GridWindow(), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_GT(dataset_.RecNo(), 10);
  backend_.ProcessMessages();

  EXPECT_EQ(SaveScreenshot(win32::ToHwnd(form_->Handle()), "grid.png").width, 560);
}

// The please-wait window over the grid: on top, without a title bar, the system clip.
TEST_F(GridWindowTest, HintWindowStaysOnTopWithoutTitleBar) {
  grid::FrmHint() = ui::CreateForm<grid::TFrmHint>();
  grid::FrmHint()->ShowNow();
  HWND hint = win32::ToHwnd(grid::FrmHint()->Handle());
  EXPECT_TRUE(GetWindowLongW(hint, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(hint, GWL_STYLE) & WS_CAPTION);
  char className[64] = {};
  GetClassNameA(win32::ToHwnd(grid::FrmHint()->Animate1->Handle()), className, sizeof className);
  EXPECT_STREQ(className, "SysAnimate32");
  RECT client;
  GetClientRect(hint, &client);
  EXPECT_EQ(client.right, 332);
  EXPECT_EQ(client.bottom, 87);
  SaveScreenshot(hint, "hint.png");
  grid::FrmHint()->Free();
  EXPECT_EQ(grid::FrmHint(), nullptr);
}

}  // namespace
