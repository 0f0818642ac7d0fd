#include "grid/AdvCustomDBGridEh.h"

#include <stdexcept>

#include "base/Text.h"
#include "data/Dataset.h"
#include "data/Sort.h"
#include "grid/ExclusionFilter.h"
#include "ui/Events.h"

namespace grid {
namespace {

constexpr const char* kCountMark = "合计";
constexpr const char* kIndexName = "customindex";

void DropLast(std::string& text) {
  if (!text.empty()) text.pop_back();
}

// The rows of a kept list as lines: a condition without a line break, its relation
// closing the line.
void AppendRows(std::string& text, const ExpressionRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ExpressionRow& row = rows[i];
    if (i % 2 == 0) {
      text += "    " + row.caption + ":" + row.operatorCaption + row.value;
    } else {
      text += row.relation + "\r\n";
    }
  }
}

}  // namespace

ConditionDialogRunner& LibraryConditionDialog() {
  static ConditionDialogRunner runner;
  return runner;
}

std::optional<ConditionDialogResult> TAdvCustomDBGridEh::RunDialog(ConditionDialogRequest request) {
  const ConditionDialogRunner& runner = ConditionDialog ? ConditionDialog : LibraryConditionDialog();
  if (!runner) throw std::logic_error("the query builder is not available");
  request.source = DataSet();
  request.owner = this;
  return runner(request);
}

bool TAdvCustomDBGridEh::QueryByDialog(std::string& condition, const std::string& caption,
                                       const std::string& tableAliases,
                                       const std::string& valueHelp, const std::string& fieldMap) {
  condition.clear();
  ConditionDialogRequest request;
  request.caption = caption;
  request.tableAliases = tableAliases;
  request.valueHelp = valueHelp;
  request.fieldMap = fieldMap;
  request.rows = QueryItems;
  std::optional<ConditionDialogResult> result = RunDialog(std::move(request));
  if (!result) return false;
  QueryItems = std::move(result->rows);
  condition = base::Trim(result->condition);
  return true;
}

bool TAdvCustomDBGridEh::FilterByDialog(const std::string& caption, const std::string& valueHelp,
                                        bool visibleFieldsOnly) {
  bool applied = false;
  ui::RunGuarded(HandleAllocated() ? Handle() : 0, [&] {
    ConditionDialogRequest request;
    request.filterMode = true;
    request.caption = caption;
    request.valueHelp = valueHelp;
    request.visibleFieldsOnly = visibleFieldsOnly;
    request.rows = FilterItems;
    std::optional<ConditionDialogResult> result = RunDialog(std::move(request));
    if (!result) return;
    FilterItems = std::move(result->rows);
    data::Dataset* dataset = DataSet();
    if (dataset == nullptr) throw std::logic_error("the grid has no dataset");
    ApplyConditionFilter(*dataset, result->condition, result->excludeFilter, result->excludeField);
    applied = true;
  });
  return applied;
}

void TAdvCustomDBGridEh::DescribeConditions(const std::string& leadingCondition,
                                            std::string& text) const {
  text.clear();
  if (!QueryItems.empty()) {
    text += "查询条件:\r\n";
    if (!leadingCondition.empty()) text += "    " + leadingCondition + "并且\r\n";
    AppendRows(text, QueryItems);
    text += "\r\n";
  } else if (!leadingCondition.empty()) {
    text += "查询条件:\r\n    " + leadingCondition + "\r\n";
  }
  if (!FilterItems.empty()) {
    text += "过滤条件:\r\n";
    AppendRows(text, FilterItems);
  }
}

void TAdvCustomDBGridEh::ChooseColumns() {
  if (!ColumnChooser) throw std::logic_error("the column chooser is not available");
  ColumnChooser(*this);
}

void TAdvCustomDBGridEh::ShowRecordCount() {
  const data::Dataset* dataset = ActiveDataSet();
  if (dataset == nullptr) return;
  const int count = dataset->RecordCount();
  for (std::size_t i = 0; i < Columns.Count(); ++i) {
    ui::GridFooter& footer = Columns.At(i).footer;
    if (footer.valueType == ui::fvtStaticText && footer.value.find(kCountMark) != std::string::npos) {
      footer.value.clear();
    }
  }
  const std::vector<std::size_t> visible = VisibleColumns();
  if (!visible.empty()) {
    ui::GridFooter& footer = Columns.At(visible.front()).footer;
    if (footer.valueType == ui::fvtStaticText || footer.valueType == ui::fvtNon) {
      footer.valueType = ui::fvtStaticText;
      footer.value = std::string(kCountMark) + ":" + std::to_string(count) + "条";
    }
  }
  Columns.Changed();
}

void TAdvCustomDBGridEh::ClearSortMarkers() {
  for (std::size_t i = 0; i < Columns.Count(); ++i) {
    Columns.At(i).sortMarker = ui::smNoneEh;
    Columns.At(i).sortIndex = 0;
  }
  Columns.Changed();
}

void TAdvCustomDBGridEh::ApplyAutoSort() {
  data::Dataset* dataset = ActiveDataSet();
  const std::vector<std::size_t> marked = SortMarkedColumns();
  if (dataset == nullptr || dataset->IsEmpty() || marked.empty()) return;
  std::string fields, descending, sortText;
  for (std::size_t index : marked) {
    const ui::GridColumn& column = Columns[index];
    fields += column.fieldName + ";";
    if (column.sortMarker == ui::smUpEh) {
      sortText += column.fieldName + " ASC,";
    } else {
      descending += column.fieldName + ";";
      sortText += column.fieldName + " DESC,";
    }
  }
  DropLast(fields);
  DropLast(descending);
  DropLast(sortText);
  if (dataset->Role() == data::DatasetRole::ClientDataSet) {
    dataset->UpdateIndexDefs();
    if (dataset->IndexOf(kIndexName) >= 0) dataset->DeleteIndex(kIndexName);
    dataset->AddIndex(kIndexName, fields, data::ixCaseInsensitive, descending, {}, 0);
    dataset->SetIndexName(kIndexName);
  } else {
    dataset->SetSort({});
    dataset->SetSort(sortText);
  }
}

void TAdvCustomDBGridEh::LinkActive(bool active) {
  ui::DBGrid::LinkActive(active);
  ClearSortMarkers();
  if (ShowSumCount) ShowRecordCount();
}

void TAdvCustomDBGridEh::SortMarkingChanged() {
  if (AutoSorted) {
    ApplyAutoSort();
  } else {
    ui::DBGrid::SortMarkingChanged();
  }
}

}  // namespace grid
