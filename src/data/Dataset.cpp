// Dataset: fields, opening and closing, bulk loading, the change log, and the
// notifications to observers with their suspension by DisableControls.
#include "data/Dataset.h"

#include <algorithm>

#include "data/Collation.h"

namespace data {

Dataset::Dataset(DatasetRole role, std::string name) : role_(role), name_(std::move(name)) {}

Dataset::~Dataset() {
  const std::vector<DataObserver*> observers = observers_;
  for (DataObserver* observer : observers) observer->DataSetDestroying(*this);
}

const char* Dataset::ClassName() const {
  return role_ == DatasetRole::AdoDataSet ? "TADODataSet" : "TClientDataSet";
}

void Dataset::CheckActive() const {
  if (!Active()) throw DatasetError("Cannot perform this operation on a closed dataset" + (name_.empty() ? std::string() : " '" + name_ + "'"));
}

void Dataset::CheckRole(DatasetRole role, const char* operation) const {
  if (role_ == role) return;
  throw DatasetError(std::string(operation) +
                     (role == DatasetRole::ClientDataSet ? " belongs to client datasets; order an ADO dataset by its Sort text"
                                                         : " belongs to ADO datasets; order a client dataset by IndexName or IndexFieldNames"));
}

// ---- Fields ------------------------------------------------------------------------

Field& Dataset::AddField(std::string name, FieldType type, int size) {
  if (Active() || loading_) throw DatasetError("Cannot add field '" + name + "' to an open dataset");
  if (name.empty()) throw DatasetError("A field needs a name");
  if (FindField(name)) throw DatasetError("Duplicate field name '" + name + "'");
  fields_.push_back(std::make_unique<Field>(*this, std::move(name), type, size, FieldCount()));
  fields_.back()->ResizeRows(rowCount_);
  NotifyLayoutChanged();
  return *fields_.back();
}

void Dataset::ClearFields() {
  if (Active() || loading_) throw DatasetError("Cannot remove the fields of an open dataset");
  fields_.clear();
  sortKeys_.clear();
  filter_.reset();
  NotifyLayoutChanged();
}

Field& Dataset::Fields(int index) const {
  if (index < 0 || index >= FieldCount())
    throw DatasetError("Field index " + std::to_string(index) + " out of range (" + std::to_string(FieldCount()) + " fields)");
  return *fields_[static_cast<std::size_t>(index)];
}

Field* Dataset::FindField(std::string_view name) const {
  for (const auto& field : fields_)
    if (EqualsIgnoreCase(field->FieldName(), name)) return field.get();
  return nullptr;
}

Field& Dataset::FieldByName(std::string_view name) const {
  if (Field* field = FindField(name)) return *field;
  throw DatasetError("Field '" + std::string(name) + "' not found" + (name_.empty() ? std::string() : " in '" + name_ + "'"));
}

std::vector<Field*> Dataset::GetFieldList(std::string_view names) const {
  std::vector<Field*> list;
  for (const std::string& name : SplitFieldList(names)) list.push_back(&FieldByName(name));
  return list;
}

// ---- Open and close -------------------------------------------------------------------

void Dataset::Activate() {
  if (fields_.empty()) throw DatasetError("Cannot open dataset '" + name_ + "': it has no fields");
  std::vector<SortKey> keys = KeysFromSettings();
  std::unique_ptr<FilterProgram> filter = filtered_ ? CompileFilter(filterText_) : nullptr;
  sortKeys_ = std::move(keys);
  filter_ = std::move(filter);
  state_ = DataSetState::Browse;
  buffer_.clear();
  modified_ = false;
  RebuildView(false);
  NotifyActive(true);
  Fire(AfterOpen);
  Fire(AfterScroll);
}

void Dataset::Open() {
  if (Active()) return;
  Activate();
}

void Dataset::CreateDataSet() {
  if (Active()) Close();
  ResetStorage();
  Activate();
}

void Dataset::Close() {
  if (!Active()) return;
  Fire(BeforeClose);
  buffer_.clear();
  modified_ = false;
  state_ = DataSetState::Inactive;
  ResetStorage();
  filter_.reset();
  NotifyActive(false);
  Fire(AfterClose);
}

void Dataset::EmptyDataSet() {
  CheckActive();
  if (Editing()) {
    buffer_.clear();
    modified_ = false;
    SetState(DataSetState::Browse);
  }
  ResetStorage();
  NotifyDataSetChanged();
}

void Dataset::ResetStorage() {
  for (const auto& field : fields_) field->ClearRows();
  rowCount_ = 0;
  loadCapacity_ = 0;
  std::vector<RowStatus>().swap(status_);
  std::vector<std::uint32_t>().swap(order_);
  std::vector<std::uint32_t>().swap(view_);
  deletedLog_.clear();
  deletedInOrder_ = 0;
  cursor_ = -1;
  bof_ = eof_ = true;
}

void Dataset::SetState(DataSetState state) {
  if (state_ == state) return;
  state_ = state;
  NotifyStateChanged();
}

// ---- Rows ------------------------------------------------------------------------------

std::vector<std::uint32_t> Dataset::AllRows() const {
  std::vector<std::uint32_t> rows;
  rows.reserve(order_.size() - deletedInOrder_);
  for (const std::uint32_t row : order_)
    if (status_[row] != RowStatus::Deleted) rows.push_back(row);
  return rows;
}

std::optional<std::uint32_t> Dataset::CurrentRow() const {
  if (state_ == DataSetState::Insert || cursor_ < 0 || cursor_ >= RecordCount()) return std::nullopt;
  return view_[static_cast<std::size_t>(cursor_)];
}

std::vector<std::uint32_t> Dataset::DeletedRows() const { return deletedLog_; }

void Dataset::MergeChangeLog() {
  for (RowStatus& status : status_)
    if (status == RowStatus::Modified || status == RowStatus::Inserted) status = RowStatus::Unmodified;
  deletedLog_.clear();
}

std::size_t Dataset::MemoryBytes() const {
  std::size_t bytes = status_.capacity() + (order_.capacity() + view_.capacity()) * sizeof(std::uint32_t);
  for (const auto& field : fields_) bytes += field->MemoryBytes();
  return bytes;
}

// ---- Bulk loading -------------------------------------------------------------------

void Dataset::BeginLoad(std::size_t expectedRows, std::size_t expectedTextBytes) {
  if (Active()) Close();
  ResetStorage();
  loading_ = true;
  std::size_t textFields = 0;
  for (const auto& field : fields_) textFields += field->IsText() ? 1 : 0;
  for (const auto& field : fields_) {
    field->ReserveRows(expectedRows, textFields ? expectedTextBytes / textFields : 0);
    field->ResizeRows(expectedRows);
  }
  loadCapacity_ = expectedRows;
  status_.reserve(expectedRows);
  order_.reserve(expectedRows);
}

std::uint32_t Dataset::AddRow() {
  if (!loading_) throw DatasetError("AddRow is only for bulk loading, between BeginLoad and EndLoad");
  if (rowCount_ == UINT32_MAX - 1) throw DatasetError("Too many rows");
  // Columns grow in steps while loading and are trimmed by EndLoad.
  if (rowCount_ == loadCapacity_) {
    loadCapacity_ = std::max<std::size_t>(4096, loadCapacity_ + loadCapacity_ / 2);
    for (const auto& field : fields_) field->ResizeRows(loadCapacity_);
  }
  const std::uint32_t row = rowCount_++;
  status_.push_back(RowStatus::Unmodified);
  order_.push_back(row);
  return row;
}

void Dataset::EndLoad() {
  if (!loading_) throw DatasetError("EndLoad without BeginLoad");
  loading_ = false;
  for (const auto& field : fields_) {
    field->ResizeRows(rowCount_);
    field->ShrinkToFit();
  }
  Activate();
}

// ---- Edit buffer -------------------------------------------------------------------

const base::Variant* Dataset::BufferedValue(int fieldIndex) const {
  if (!Editing() || fieldIndex < 0 || static_cast<std::size_t>(fieldIndex) >= buffer_.size()) return nullptr;
  return &buffer_[static_cast<std::size_t>(fieldIndex)];
}

void Dataset::SetBufferedValue(const Field& field, base::Variant value) {
  buffer_[static_cast<std::size_t>(field.Index())] = std::move(value);
  modified_ = true;
  NotifyRecordChanged(&field);
}

// ---- Observers ---------------------------------------------------------------------

void Dataset::AddObserver(DataObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void Dataset::RemoveObserver(DataObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// Observers may detach themselves or others while being told: each is told only
// while it is still registered.
template <class Call>
void Dataset::Tell(Call call) {
  if (disableCount_ > 0) {
    pendingChange_ = true;
    return;
  }
  const std::vector<DataObserver*> observers = observers_;
  for (DataObserver* observer : observers)
    if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) call(*observer);
}

void Dataset::NotifyActive(bool active) { Tell([&](DataObserver& o) { o.ActiveChanged(active); }); }
void Dataset::NotifyDataSetChanged() { Tell([](DataObserver& o) { o.DataSetChanged(); }); }
void Dataset::NotifyScrolled(int distance) { Tell([&](DataObserver& o) { o.DataSetScrolled(distance); }); }
void Dataset::NotifyRecordChanged(const Field* field) { Tell([&](DataObserver& o) { o.RecordChanged(field); }); }
void Dataset::NotifyStateChanged() { Tell([](DataObserver& o) { o.StateChanged(); }); }
void Dataset::NotifyLayoutChanged() { Tell([](DataObserver& o) { o.LayoutChanged(); }); }

void Dataset::DisableControls() {
  if (disableCount_++ == 0) {
    activeWhenDisabled_ = Active();
    pendingChange_ = false;
  }
}

// The last EnableControls tells what happened while disabled in one notification:
// ActiveChanged when the dataset was opened or closed meanwhile, otherwise
// DataSetChanged; nothing when nothing happened.
void Dataset::EnableControls() {
  if (disableCount_ == 0 || --disableCount_ > 0 || !pendingChange_) return;
  pendingChange_ = false;
  if (Active() != activeWhenDisabled_)
    NotifyActive(Active());
  else if (Active())
    NotifyDataSetChanged();
}

}  // namespace data
