// The enhanced grid: sorting by markers in both dataset roles, the count footer, the
// kept dialog rows, the does-not-contain exclusion and the condition description.
#include "grid/AdvDBGridEh.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "data/Dataset.h"
#include "data/Field.h"
#include "support/DatasetRows.h"
#include "support/HeadlessTest.h"
#include "ui/Form.h"

namespace {

using data::DatasetRole;
using data::FieldType;
using grid::Condition;
using grid::ConditionDialogResult;
using grid::ExpressionRows;
using grid::Relation;
using grid::TAdvDBGridEh;
using testing::ElementsAre;

const std::vector<std::vector<std::string>> kRows = {
    {"b", "2", "10"}, {"a", "1", "20"}, {"b", "1", "30"}, {"a", "2", "40"}};

class GridFixture : public HeadlessTest {
 protected:
  explicit GridFixture(DatasetRole role = DatasetRole::ClientDataSet) : dataset_(role) {
    dataset_.AddField("f_a", FieldType::String, 10);
    dataset_.AddField("f_b", FieldType::String, 10);
    dataset_.AddField("f_n", FieldType::Float);
    grid_ = new TAdvDBGridEh(&form_);
    grid_->SetParent(&form_);
    for (const char* name : {"f_a", "f_b", "f_n"}) grid_->Columns.Add({name, name});
  }
  ~GridFixture() override { grid_->SetDataSource(nullptr); }

  void Open(const std::vector<std::vector<std::string>>& rows = kRows) {
    LoadRows(dataset_, rows);
    grid_->SetDataSource(&source_);
  }

  data::Dataset dataset_;
  data::DataSource source_{&dataset_};
  ui::Form form_{nullptr};
  TAdvDBGridEh* grid_;
};

// ---- Sorting by the markers ---------------------------------------------------------

TEST_F(GridFixture, TitleClickOnEmptyDatasetMarksButDoesNotSort) {
  grid_->AutoSorted = true;
  Open({});
  grid_->TitleClick(0);
  EXPECT_EQ(grid_->Columns[0].sortMarker, ui::smUpEh);
  EXPECT_EQ(dataset_.IndexOf("customindex"), -1);
  EXPECT_EQ(dataset_.IndexName(), "");
}

TEST_F(GridFixture, TwoMarkedColumnsMakeTheCustomIndex) {
  grid_->AutoSorted = true;
  Open();
  grid_->TitleClick(0);
  grid_->TitleClick(1, true);
  grid_->TitleClick(1, true);  // the second click turns the marker down
  ASSERT_GE(dataset_.IndexOf("customindex"), 0);
  const data::IndexDef& index = dataset_.IndexDefs()[dataset_.IndexOf("customindex")];
  EXPECT_EQ(index.fields, "f_a;f_b");
  EXPECT_EQ(index.descFields, "f_b");
  EXPECT_EQ(index.options, data::ixCaseInsensitive);
  EXPECT_EQ(dataset_.IndexName(), "customindex");
  EXPECT_THAT(ViewTexts(dataset_, "f_n"), ElementsAre("40", "20", "10", "30"));
}

TEST_F(GridFixture, ResortingReplacesTheCustomIndex) {
  grid_->AutoSorted = true;
  Open();
  grid_->TitleClick(0);
  grid_->TitleClick(2);
  EXPECT_EQ(dataset_.IndexDefs().size(), 1u);
  EXPECT_EQ(dataset_.IndexDefs()[0].fields, "f_n");
  EXPECT_THAT(ViewTexts(dataset_, "f_n"), ElementsAre("10", "20", "30", "40"));
  EXPECT_THAT(grid_->SortMarkedColumns(), ElementsAre(2u));
}

TEST_F(GridFixture, WithoutAutoSortedTheEventIsRaisedAndTheOrderKept) {
  int raised = 0;
  grid_->OnSortMarkingChanged = [&](ui::DBGrid&) { ++raised; };
  Open();
  grid_->TitleClick(0);
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(dataset_.IndexName(), "");
  EXPECT_THAT(ViewTexts(dataset_, "f_n"), ElementsAre("10", "20", "30", "40"));
}

TEST_F(GridFixture, AutoSortedRaisesNoEvent) {
  int raised = 0;
  grid_->AutoSorted = true;
  grid_->OnSortMarkingChanged = [&](ui::DBGrid&) { ++raised; };
  Open();
  grid_->TitleClick(0);
  EXPECT_EQ(raised, 0);
}

TEST_F(GridFixture, ReloadClearsTheMarkersButKeepsTheOrder) {
  grid_->AutoSorted = true;
  Open();
  grid_->TitleClick(2);
  grid_->TitleClick(2);
  LoadRows(dataset_, kRows);
  EXPECT_EQ(grid_->Columns[2].sortMarker, ui::smNoneEh);
  EXPECT_TRUE(grid_->SortMarkedColumns().empty());
  EXPECT_THAT(ViewTexts(dataset_, "f_n"), ElementsAre("40", "30", "20", "10"));
}

class AdoGridFixture : public GridFixture {
 protected:
  AdoGridFixture() : GridFixture(DatasetRole::AdoDataSet) {}
};

TEST_F(AdoGridFixture, TwoMarkedColumnsSetTheSortText) {
  grid_->AutoSorted = true;
  Open();
  grid_->TitleClick(0);
  grid_->TitleClick(1, true);
  grid_->TitleClick(1, true);
  EXPECT_EQ(dataset_.Sort(), "f_a ASC,f_b DESC");
  EXPECT_THAT(ViewTexts(dataset_, "f_n"), ElementsAre("40", "20", "10", "30"));
}

// ---- The count footer -----------------------------------------------------------------

struct CountCase {
  const char* name;
  bool firstHidden;
  ui::TFooterValueType firstType;
  std::vector<std::string> expected;  // the three footer values after loading
};

class RecordCount : public GridFixture, public testing::WithParamInterface<CountCase> {};

TEST_P(RecordCount, GoesToTheFirstVisibleColumnOnly) {
  const CountCase& c = GetParam();
  grid_->ShowSumCount = true;
  grid_->Columns.At(0).visible = !c.firstHidden;
  grid_->Columns.At(0).footer.valueType = c.firstType;
  grid_->Columns.At(2).footer = {ui::fvtStaticText, "合计:3条"};
  Open();
  std::vector<std::string> values;
  for (std::size_t i = 0; i < 3; ++i) values.push_back(grid_->Columns[i].footer.value);
  EXPECT_EQ(values, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, RecordCount,
    testing::Values(CountCase{"FirstColumn", false, ui::fvtNon, {"合计:4条", "", ""}},
                    CountCase{"FirstHidden", true, ui::fvtNon, {"", "合计:4条", ""}},
                    CountCase{"NeverOverASum", false, ui::fvtSum, {"", "", ""}},
                    CountCase{"OverStaticText", false, ui::fvtStaticText, {"合计:4条", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridFixture, ReloadReplacesTheEarlierCount) {
  grid_->ShowSumCount = true;
  Open({{"a", "1", "1"}, {"b", "2", "2"}, {"c", "3", "3"}});
  EXPECT_EQ(grid_->Columns[0].footer.value, "合计:3条");
  LoadRows(dataset_, kRows);
  EXPECT_EQ(grid_->Columns[0].footer.value, "合计:4条");
  EXPECT_EQ(grid_->FooterText(0), "合计:4条");
}

// ---- Dialogs ----------------------------------------------------------------------

const ExpressionRows kFilterRows = {Condition("制单人编码", "等于", "001"), Relation("并且"),
                                    Condition("生成日期", "大于等于", "20050101")};

TEST_F(GridFixture, CancelledQueryKeepsTheRows) {
  grid_->QueryItems = kFilterRows;
  grid_->ConditionDialog = [](const grid::ConditionDialogRequest& request) {
    EXPECT_FALSE(request.filterMode);
    EXPECT_EQ(request.rows.size(), 3u);
    return std::optional<ConditionDialogResult>();
  };
  std::string condition = "old";
  EXPECT_FALSE(grid_->QueryByDialog(condition, "查询", "a,b", "", ""));
  EXPECT_EQ(condition, "");
  EXPECT_EQ(grid_->QueryItems, kFilterRows);
}

TEST_F(GridFixture, AcceptedQueryReplacesTheRows) {
  grid_->QueryItems = kFilterRows;
  grid_->ConditionDialog = [](const grid::ConditionDialogRequest& request) {
    EXPECT_EQ(request.tableAliases, "a,b");
    return std::optional<ConditionDialogResult>(
        {{Condition("供应商编码", "等于", "1001")}, "  ( a.f_Gysbm = '1001' ) \r\n", "", ""});
  };
  std::string condition;
  EXPECT_TRUE(grid_->QueryByDialog(condition, "查询", "a,b", "", ""));
  EXPECT_EQ(condition, "( a.f_Gysbm = '1001' )");
  EXPECT_THAT(grid_->QueryItems, ElementsAre(Condition("供应商编码", "等于", "1001")));
}

struct ExclusionCase {
  const char* name;
  std::vector<std::string> values;
  const char* contains;
  const char* filter;
  std::vector<std::string> remaining;
};

class Exclusion : public GridFixture, public testing::WithParamInterface<ExclusionCase> {};

TEST_P(Exclusion, ListsTheRecordsThatContainTheText) {
  const ExclusionCase& c = GetParam();
  std::vector<std::vector<std::string>> rows;
  for (const std::string& value : c.values) rows.push_back({value, "", ""});
  Open(rows);
  const std::string placeholder = "( f_a<>'temp@temp@temp' )";
  grid_->ConditionDialog = [&](const grid::ConditionDialogRequest& request) {
    EXPECT_TRUE(request.filterMode);
    return std::optional<ConditionDialogResult>(
        {{Condition("f_a", "部分不等于", c.contains)}, " " + placeholder + " ",
         "f_a LIKE '%" + std::string(c.contains) + "%'", "f_a"});
  };
  EXPECT_TRUE(grid_->FilterByDialog("过滤", "", true));
  EXPECT_EQ(dataset_.Filter(), placeholder + c.filter);
  EXPECT_TRUE(dataset_.Filtered());
  EXPECT_EQ(ViewTexts(dataset_, "f_a"), c.remaining);
  EXPECT_EQ(grid_->FilterItems.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, Exclusion,
    testing::Values(
        ExclusionCase{"TwoContainIt", {"A1", "BA", "C"}, "A", " and (f_a<>'A1' and f_a<>'BA')", {"C"}},
        ExclusionCase{"NoneContainsIt", {"A1", "BA", "C"}, "X", "", {"A1", "BA", "C"}},
        ExclusionCase{"QuoteDoubled", {"O'A", "B"}, "A", " and (f_a<>'O''A')", {"B"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridFixture, RefusedFilterIsShownAndLeavesFilteringOff) {
  Open();
  grid_->ConditionDialog = [](const grid::ConditionDialogRequest&) {
    return std::optional<ConditionDialogResult>({{}, "f_a = = 'x'", "", ""});
  };
  ui_.OnMessageBox("错误", ui::IDOK);
  EXPECT_FALSE(grid_->FilterByDialog("过滤", "", false));
  EXPECT_FALSE(dataset_.Filtered());
  ASSERT_EQ(ui_.MessageBoxes().size(), 1u);
}

TEST_F(GridFixture, CancelledFilterChangesNothing) {
  Open();
  dataset_.SetFilter("f_a = 'a'");
  dataset_.SetFiltered(true);
  grid_->ConditionDialog = [](const grid::ConditionDialogRequest&) {
    return std::optional<ConditionDialogResult>();
  };
  EXPECT_FALSE(grid_->FilterByDialog("过滤", "", false));
  EXPECT_EQ(dataset_.Filter(), "f_a = 'a'");
  EXPECT_EQ(dataset_.RecordCount(), 2);
}

// ---- DescribeConditions ---------------------------------------------------------------

struct DescribeCase {
  const char* name;
  ExpressionRows query;
  ExpressionRows filter;
  const char* leading;
  const char* expected;
};

class Describe : public GridFixture, public testing::WithParamInterface<DescribeCase> {};

TEST_P(Describe, WritesOneLinePerCondition) {
  grid_->QueryItems = GetParam().query;
  grid_->FilterItems = GetParam().filter;
  std::string text = "old";
  grid_->DescribeConditions(GetParam().leading, text);
  EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, Describe,
    testing::Values(
        DescribeCase{"Nothing", {}, {}, "", ""},
        DescribeCase{"QueryAndFilter",
                     {Condition("供应商编码", "等于", "1001")},
                     kFilterRows,
                     "",
                     "查询条件:\r\n    供应商编码:等于1001\r\n过滤条件:\r\n"
                     "    制单人编码:等于001并且\r\n    生成日期:大于等于20050101"},
        DescribeCase{"LeadingOnly", {}, {}, "年月=200501", "查询条件:\r\n    年月=200501\r\n"},
        DescribeCase{"LeadingBeforeQuery",
                     {Condition("a", "等于", "1"), Relation("或者"), Condition("b", "小于", "2")},
                     {},
                     "年月=200501",
                     "查询条件:\r\n    年月=200501并且\r\n    a:等于1或者\r\n    b:小于2\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
