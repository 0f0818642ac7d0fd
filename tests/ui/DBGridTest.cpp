// The grid over a dataset: the current row is the dataset's cursor, keys and clicks,
// editing, and painting that draws only the rows in sight.
#include "ui/DBGrid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "data/Dataset.h"
#include "data/Field.h"
#include "support/DatasetRows.h"
#include "support/HeadlessTest.h"
#include "ui/Form.h"
#include "ui/GridCanvas.h"

namespace {

using testing::ElementsAre;

// Keeps the texts drawn, with the top edge of the cell each went into.
class RecordingCanvas : public ui::GridCanvas {
 public:
  struct Text {
    ui::Rect area;
    std::string text;
    ui::Color color;
  };
  std::vector<Text> texts;
  std::vector<std::pair<ui::Rect, ui::Color>> fills;
  std::vector<bool> checkBoxes;
  std::vector<ui::TSortMarkerEh> markers;

  void FillRect(const ui::Rect& area, ui::Color color) override { fills.push_back({area, color}); }
  void PutText(const ui::Rect& area, std::string_view utf8, const ui::Font& font,
                ui::TextAlign) override {
    texts.push_back({area, std::string(utf8), font.color});
  }
  void DrawLine(int, int, int, int, ui::Color) override {}
  void DrawButtonFrame(const ui::Rect&) override {}
  void DrawCheckBox(const ui::Rect&, bool checked) override { checkBoxes.push_back(checked); }
  void DrawSortMarker(const ui::Rect&, ui::TSortMarkerEh marker) override {
    markers.push_back(marker);
  }
  bool Drew(const std::string& text) const {
    for (const Text& t : texts) {
      if (t.text == text) return true;
    }
    return false;
  }
};

class DBGridTest : public HeadlessTest {
 protected:
  DBGridTest() {
    dataset_.AddField("f_Xh", data::FieldType::Integer);
    dataset_.AddField("f_Mc", data::FieldType::String, 20);
    dataset_.AddField("f_Je", data::FieldType::Float);
    dataset_.AddField("f_Select", data::FieldType::String, 1);
    grid_ = new ui::DBGrid(&form_);
    grid_->SetParent(&form_);
    grid_->SetBounds(0, 0, 200, 18 * 6);  // two title lines, three data rows and a footer
    grid_->FooterRowCount = 1;
    grid_->Columns.Add({"f_Xh", "序号", 40});
    grid_->Columns.Add({"f_Mc", "名称|全称", 80});
    grid_->Columns.Add({"f_Je", "金额", 60});
    grid_->Columns.Add({"f_Select", "选", 30});
    grid_->Columns.At(2).footer.valueType = ui::fvtSum;
    grid_->Columns.At(3).checkBox = true;
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 100; ++i) {
      rows.push_back({std::to_string(i), "名称" + std::to_string(i), std::to_string(i), "0"});
    }
    LoadRows(dataset_, rows);
    grid_->SetDataSource(&source_);
  }
  ~DBGridTest() override { grid_->SetDataSource(nullptr); }

  data::Dataset dataset_;
  data::DataSource source_{&dataset_};
  ui::Form form_{nullptr};
  ui::DBGrid* grid_;
};

TEST_F(DBGridTest, CurrentRowFollowsTheCursorBothWays) {
  dataset_.MoveBy(10);
  EXPECT_EQ(grid_->Row(), 10);
  EXPECT_EQ(grid_->TopRow(), 10 - grid_->FullRowCount() + 1);
  grid_->KeyDown(ui::GridKey::Up);
  EXPECT_EQ(dataset_.RecNo(), 10);
  grid_->KeyDown(ui::GridKey::End);
  EXPECT_EQ(dataset_.RecNo(), 100);
  grid_->KeyDown(ui::GridKey::PageUp);
  EXPECT_EQ(dataset_.RecNo(), 100 - (grid_->VisibleRowCount() - 1));
  grid_->KeyDown(ui::GridKey::Home);
  EXPECT_EQ(dataset_.RecNo(), 1);
  EXPECT_EQ(grid_->TopRow(), 0);
}

TEST_F(DBGridTest, PaintsTheRowsInSightOnly) {
  grid_->SetTopRow(50);
  RecordingCanvas canvas;
  grid_->Paint(canvas);
  EXPECT_TRUE(canvas.Drew("51"));
  EXPECT_FALSE(canvas.Drew("50"));
  EXPECT_FALSE(canvas.Drew("60"));
  EXPECT_EQ(canvas.checkBoxes.size(), static_cast<std::size_t>(grid_->VisibleRowCount()));
  EXPECT_TRUE(canvas.Drew("5050"));  // the sum footer over every record
  EXPECT_TRUE(canvas.Drew("名称"));   // the two title lines
  EXPECT_TRUE(canvas.Drew("全称"));
}

TEST_F(DBGridTest, CellParamsBandTheRowsByRecordNumber) {
  const ui::Color odd = ui::Rgb(196, 196, 255), even = ui::Rgb(221, 221, 255);
  std::vector<int> recNos;
  grid_->OnGetCellParams = [&](ui::DBGrid&, ui::GridCellParams& params) {
    if (params.column == 0) recNos.push_back(params.recNo);
    params.background = params.recNo % 2 ? odd : even;
  };
  grid_->SetTopRow(3);
  RecordingCanvas canvas;
  grid_->Paint(canvas);
  EXPECT_THAT(recNos, ElementsAre(4, 5, 6));
  const ui::Rect firstCell{0, grid_->TitleHeight(), 40, grid_->RowHeight()};
  EXPECT_NE(std::find(canvas.fills.begin(), canvas.fills.end(), std::make_pair(firstCell, even)),
            canvas.fills.end());
}

TEST_F(DBGridTest, FrozenColumnsStayWhileTheOthersScroll) {
  grid_->FrozenCols = 1;
  grid_->SetLeftCol(1);
  EXPECT_EQ(grid_->ColumnSpan(0), std::make_pair(0, 40));
  EXPECT_FALSE(grid_->ColumnSpan(1));
  EXPECT_EQ(grid_->ColumnSpan(2), std::make_pair(40, 60));
  grid_->SetCol(1);  // making the scrolled-away column current brings it back
  EXPECT_EQ(grid_->LeftCol(), 0);
}

TEST_F(DBGridTest, ClicksOnTitlesCellsAndTickBoxes) {
  const int rowTop = grid_->TitleHeight();
  grid_->MouseDown(45, 2);
  EXPECT_EQ(grid_->Columns[1].sortMarker, ui::smUpEh);
  grid_->MouseDown(45, 2);
  EXPECT_EQ(grid_->Columns[1].sortMarker, ui::smDownEh);
  grid_->MouseDown(45, rowTop + grid_->RowHeight() * 2 + 1);
  EXPECT_EQ(dataset_.RecNo(), 3);
  EXPECT_EQ(grid_->Col(), 1u);
  grid_->MouseDown(185, rowTop + 1);
  EXPECT_EQ(dataset_.RecNo(), 1);
  EXPECT_EQ(dataset_.FieldByName("f_Select").AsString(), "1");
  grid_->KeyDown(ui::GridKey::Space);
  EXPECT_EQ(dataset_.FieldByName("f_Select").AsString(), "0");
}

TEST_F(DBGridTest, OnlyEditableColumnsTakeText) {
  grid_->Columns.At(0).readOnly = true;
  grid_->SetCellText(0, "7");
  grid_->SetCellText(1, "新名称");
  EXPECT_EQ(dataset_.FieldByName("f_Xh").AsString(), "1");
  EXPECT_EQ(dataset_.FieldByName("f_Mc").AsString(), "新名称");
  grid_->ReadOnly = true;
  EXPECT_FALSE(grid_->CanEditCell(1));
}

TEST_F(DBGridTest, FooterSumFollowsTheFilter) {
  dataset_.SetFilter("f_Xh <= 10");
  dataset_.SetFiltered(true);
  EXPECT_EQ(grid_->FooterText(2), "55");
}

}  // namespace
