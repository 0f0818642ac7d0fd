#pragma once
// grid::TAdvCustomDBGridEh: the enhanced data grid of every list in the screens. Over
// the plain grid it sorts its dataset when the user changes the sort markers
// (AutoSorted), writes the record count into the footer when its data arrives
// (ShowSumCount), keeps the rows of the last accepted query and filter dialogs, and
// describes them for report headers.
//
// Choices: a single quote inside a value listed by the does-not-contain exclusion is
// doubled, so the filter text stays valid. Clearing the sort markers also clears their
// SortIndex (an unmarked column is not sort-marked).
#include <functional>
#include <string>

#include "grid/ConditionDialog.h"
#include "grid/ExpressionRow.h"
#include "ui/DBGrid.h"

namespace grid {

class TAdvCustomDBGridEh : public ui::DBGrid {
 public:
  explicit TAdvCustomDBGridEh(ui::Component* owner, std::string className = "TAdvCustomDBGridEh")
      : ui::DBGrid(owner, std::move(className)) {}

  bool AutoSorted = false;
  bool ShowSumCount = false;

  // The rows of the last accepted query and filter dialogs.
  ExpressionRows QueryItems;
  ExpressionRows FilterItems;

  // The query builder in query mode; true when accepted, with its trimmed condition.
  bool QueryByDialog(std::string& condition, const std::string& caption,
                     const std::string& tableAliases, const std::string& valueHelp,
                     const std::string& fieldMap);
  // The query builder in filter mode, its result applied as the dataset's filter; an
  // error is shown (caption "错误") and gives false.
  bool FilterByDialog(const std::string& caption, const std::string& valueHelp,
                      bool visibleFieldsOnly);
  // The active query and filter conditions as lines of text for a report header.
  void DescribeConditions(const std::string& leadingCondition, std::string& text) const;
  // Opens the column chooser on this grid.
  void ChooseColumns();
  // Writes "合计:N条" into the first visible column's footer (unless it shows a value).
  void ShowRecordCount();
  // Takes every sort marker away.
  void ClearSortMarkers();
  // Orders the dataset by the sort-marked columns.
  void ApplyAutoSort();

  // The dialog runner (the library's query builder unless a test sets another).
  ConditionDialogRunner ConditionDialog;
  // The column chooser (set by the chooser's unit once it exists).
  std::function<void(TAdvCustomDBGridEh&)> ColumnChooser;

 protected:
  void LinkActive(bool active) override;
  void SortMarkingChanged() override;

 private:
  std::optional<ConditionDialogResult> RunDialog(ConditionDialogRequest request);
};

}  // namespace grid
