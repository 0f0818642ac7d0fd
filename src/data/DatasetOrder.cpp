// Dataset: the view. The filter and the order (a client dataset's index, an ADO
// dataset's sort text) are turned into a vector of storage rows; nothing else moves.
#include <algorithm>

#include "base/Text.h"
#include "data/Collation.h"
#include "data/Dataset.h"

namespace data {

FilterDialect Dataset::Dialect() const {
  return role_ == DatasetRole::AdoDataSet ? FilterDialect::Ado : FilterDialect::ClientDataSet;
}

std::unique_ptr<FilterProgram> Dataset::CompileFilter(const std::string& text) const {
  if (base::Trim(text).empty()) return nullptr;
  return std::make_unique<FilterProgram>(ParseFilter(text, Dialect()), *this, Dialect(), filterOptions_);
}

void Dataset::CompactOrder() {
  if (deletedInOrder_ == 0) return;
  std::erase_if(order_, [&](std::uint32_t row) { return status_[row] == RowStatus::Deleted; });
  deletedInOrder_ = 0;
}

void Dataset::RebuildView(bool keepCurrent) {
  const std::optional<std::uint32_t> current = keepCurrent ? CurrentRow() : std::nullopt;
  CompactOrder();
  view_.clear();
  if (filter_)
    filter_->Select(order_, view_);
  else
    view_ = order_;
  if (!sortKeys_.empty()) SortRows(view_, sortKeys_);
  if (view_.empty()) {
    cursor_ = -1;
    bof_ = eof_ = true;
    return;
  }
  const int position = current ? PositionOf(*current) : -1;
  cursor_ = position < 0 ? 0 : position;
  bof_ = position < 0;
  eof_ = false;
}

// ---- Filter ------------------------------------------------------------------------

// A new filter goes to the first record, as both platforms do.
void Dataset::ApplyFilterChange() {
  Fire(BeforeScroll);
  RebuildView(false);
  NotifyDataSetChanged();
  Fire(AfterScroll);
}

void Dataset::SetFilter(std::string text) {
  if (!Active() || !filtered_) {
    filterText_ = std::move(text);
    return;
  }
  CheckBrowseMode();
  std::unique_ptr<FilterProgram> program = CompileFilter(text);
  filterText_ = std::move(text);
  filter_ = std::move(program);
  ApplyFilterChange();
}

void Dataset::SetFiltered(bool filtered) {
  if (filtered == filtered_) return;
  if (!Active()) {
    filtered_ = filtered;
    return;
  }
  CheckBrowseMode();
  std::unique_ptr<FilterProgram> program = filtered ? CompileFilter(filterText_) : nullptr;
  filter_ = std::move(program);
  filtered_ = filtered;
  ApplyFilterChange();
}

void Dataset::SetFilterOptions(FilterOptions options) {
  const FilterOptions old = filterOptions_;
  filterOptions_ = options;
  if (!Active() || !filtered_) return;
  CheckBrowseMode();
  try {
    filter_ = CompileFilter(filterText_);
  } catch (...) {
    filterOptions_ = old;
    throw;
  }
  ApplyFilterChange();
}

// ---- Order -------------------------------------------------------------------------

std::vector<SortKey> Dataset::KeysOfFieldNames(std::string_view names) const {
  std::vector<SortKey> keys;
  for (Field* field : GetFieldList(names)) keys.push_back({field, false, false});
  return keys;
}

std::vector<SortKey> Dataset::KeysOfIndex(const IndexDef& index) const {
  const auto listed = [](const std::vector<std::string>& names, const Field* field) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return EqualsIgnoreCase(name, field->FieldName()); });
  };
  const std::vector<std::string> descending = SplitFieldList(index.descFields);
  const std::vector<std::string> caseInsensitive = SplitFieldList(index.caseInsFields);
  for (const std::string& name : descending) FieldByName(name);
  for (const std::string& name : caseInsensitive) FieldByName(name);
  std::vector<SortKey> keys;
  for (Field* field : GetFieldList(index.fields))
    keys.push_back({field, (index.options & ixDescending) != 0 || listed(descending, field),
                    (index.options & ixCaseInsensitive) != 0 || listed(caseInsensitive, field)});
  return keys;
}

std::vector<SortKey> Dataset::KeysFromSettings() const {
  if (!indexName_.empty()) {
    const int index = IndexOf(indexName_);
    if (index < 0) throw DatasetError("Index '" + indexName_ + "' not found");
    return KeysOfIndex(indexDefs_[static_cast<std::size_t>(index)]);
  }
  if (!indexFieldNames_.empty()) return KeysOfFieldNames(indexFieldNames_);
  std::vector<SortKey> keys;
  for (const SortTextItem& item : ParseSortText(sortText_))
    keys.push_back({&FieldByName(item.field), item.descending, false});
  return keys;
}

// A new order keeps the current record.
void Dataset::ApplyOrder(std::vector<SortKey> keys) {
  if (!Active()) return;
  CheckBrowseMode();
  sortKeys_ = std::move(keys);
  RebuildView(true);
  NotifyDataSetChanged();
}

int Dataset::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < indexDefs_.size(); ++i)
    if (EqualsIgnoreCase(indexDefs_[i].name, name)) return static_cast<int>(i);
  return -1;
}

void Dataset::AddIndex(std::string name, std::string fields, unsigned options, std::string descFields,
                       std::string caseInsFields, int groupingLevel) {
  CheckRole(DatasetRole::ClientDataSet, "AddIndex");
  if (base::Trim(name).empty()) throw DatasetError("An index needs a name");
  if (IndexOf(name) >= 0) throw DatasetError("Duplicate index name '" + name + "'");
  IndexDef index{std::move(name), std::move(fields), options, std::move(descFields), std::move(caseInsFields),
                 groupingLevel};
  if (SplitFieldList(index.fields).empty()) throw DatasetError("Index '" + index.name + "' has no fields");
  if (!fields_.empty()) KeysOfIndex(index);  // raises for a field that does not exist
  indexDefs_.push_back(std::move(index));
}

void Dataset::DeleteIndex(std::string_view name) {
  CheckRole(DatasetRole::ClientDataSet, "DeleteIndex");
  const int index = IndexOf(name);
  if (index < 0) throw DatasetError("Index '" + std::string(name) + "' not found");
  const bool active = EqualsIgnoreCase(indexName_, name);
  indexDefs_.erase(indexDefs_.begin() + index);
  if (active) {
    indexName_.clear();
    ApplyOrder({});
  }
}

void Dataset::ChangeOrder(const std::function<void()>& change) {
  const std::string oldName = indexName_;
  const std::string oldFields = indexFieldNames_;
  const std::string oldSort = sortText_;
  change();
  if (!Active()) return;
  std::vector<SortKey> keys;
  try {
    keys = KeysFromSettings();
  } catch (...) {
    indexName_ = oldName;
    indexFieldNames_ = oldFields;
    sortText_ = oldSort;
    throw;
  }
  ApplyOrder(std::move(keys));
}

void Dataset::SetIndexName(std::string name) {
  if (!name.empty()) CheckRole(DatasetRole::ClientDataSet, "IndexName");
  ChangeOrder([&] {
    indexName_ = std::move(name);
    indexFieldNames_.clear();
  });
}

void Dataset::SetIndexFieldNames(std::string names) {
  ChangeOrder([&] {
    indexName_.clear();
    indexFieldNames_ = std::move(names);
    sortText_.clear();
  });
}

void Dataset::SetSort(std::string text) {
  CheckRole(DatasetRole::AdoDataSet, "Sort");
  ParseSortText(text);  // a malformed text is refused before anything changes
  ChangeOrder([&] {
    sortText_ = std::move(text);
    indexFieldNames_.clear();
  });
}

}  // namespace data
