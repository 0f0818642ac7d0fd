// Dataset: Edit, Append, Insert, Post, Cancel and Delete. Values go into an edit
// buffer (one Variant per field, already converted and cut to width) and reach the
// columns on Post, where the record also takes its place in the sorted, filtered view.
#include <algorithm>

#include "data/Dataset.h"

namespace data {

void Dataset::Edit() {
  CheckActive();
  if (Editing()) return;
  if (view_.empty()) {
    Append();
    return;
  }
  Fire(BeforeEdit);
  const std::uint32_t row = view_[static_cast<std::size_t>(cursor_)];
  buffer_.clear();
  buffer_.reserve(fields_.size());
  for (const auto& field : fields_) buffer_.push_back(field->ValueAt(row));
  modified_ = false;
  SetState(DataSetState::Edit);
  Fire(AfterEdit);
}

void Dataset::Append() { BeginNewRecord(true); }
void Dataset::Insert() { BeginNewRecord(false); }

void Dataset::BeginNewRecord(bool append) {
  CheckActive();
  CheckBrowseMode();
  Fire(BeforeInsert);
  Fire(BeforeScroll);
  buffer_.assign(fields_.size(), base::Variant(base::Null{}));
  insertAppends_ = append || cursor_ < 0;
  insertPosition_ = insertAppends_ ? RecordCount() : cursor_;
  modified_ = false;
  bof_ = eof_ = false;
  SetState(DataSetState::Insert);
  Fire(OnNewRecord);
  NotifyDataSetChanged();
  Fire(AfterInsert);
  Fire(AfterScroll);
}

void Dataset::WriteBuffer(std::uint32_t row) {
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->SetValueAt(row, buffer_[i]);
}

// Whether the row may stand at `position` of the view without breaking its order.
bool Dataset::FitsAt(std::uint32_t row, int position) const {
  if (sortKeys_.empty()) return true;
  if (position > 0 && CompareRows(view_[static_cast<std::size_t>(position - 1)], row, sortKeys_) > 0) return false;
  if (position < RecordCount() && CompareRows(row, view_[static_cast<std::size_t>(position)], sortKeys_) > 0)
    return false;
  return true;
}

// Puts a posted row into the view: left out when the filter rejects it, at its
// sorted place (after its equals) when an order is active, else at `preferred`.
// The cursor goes to it, or stays near when it left the view.
void Dataset::PlaceInView(std::uint32_t row, int preferred) {
  const int count = RecordCount();
  if (filter_ && !filter_->Matches(row)) {
    cursor_ = count == 0 ? -1 : std::clamp(preferred, 0, count - 1);
    bof_ = eof_ = count == 0;
    return;
  }
  int position = std::clamp(preferred, 0, count);
  if (!FitsAt(row, position)) {
    const auto it = std::upper_bound(view_.begin(), view_.end(), row, [&](std::uint32_t a, std::uint32_t b) {
      return CompareRows(a, b, sortKeys_) < 0;
    });
    position = static_cast<int>(it - view_.begin());
  }
  view_.insert(view_.begin() + position, row);
  cursor_ = position;
  bof_ = eof_ = false;
}

void Dataset::Post() {
  CheckActive();
  if (!Editing()) throw DatasetError("Dataset not in edit or insert mode");
  Fire(BeforePost);
  if (state_ == DataSetState::Insert) {
    const std::uint32_t row = rowCount_;
    if (row == UINT32_MAX - 1) throw DatasetError("Too many rows");
    ++rowCount_;
    for (const auto& field : fields_) field->AppendRow();
    status_.push_back(RowStatus::Inserted);
    WriteBuffer(row);
    if (insertAppends_ || insertPosition_ >= RecordCount()) {
      order_.push_back(row);
    } else {
      const std::uint32_t before = view_[static_cast<std::size_t>(insertPosition_)];
      order_.insert(std::find(order_.begin(), order_.end(), before), row);
    }
    PlaceInView(row, insertAppends_ ? RecordCount() : insertPosition_);
  } else {
    const std::uint32_t row = view_[static_cast<std::size_t>(cursor_)];
    WriteBuffer(row);
    if (status_[row] == RowStatus::Unmodified) status_[row] = RowStatus::Modified;
    if (filter_ || !sortKeys_.empty()) {
      const int position = cursor_;
      view_.erase(view_.begin() + position);
      PlaceInView(row, position);
    }
  }
  buffer_.clear();
  modified_ = false;
  SetState(DataSetState::Browse);
  NotifyDataSetChanged();
  Fire(AfterPost);
}

void Dataset::Cancel() {
  if (!Editing()) return;
  Fire(BeforeCancel);
  const bool wasInsert = state_ == DataSetState::Insert;
  buffer_.clear();
  modified_ = false;
  SetState(DataSetState::Browse);
  if (wasInsert) {
    const int count = RecordCount();
    if (cursor_ >= count) cursor_ = count - 1;
    bof_ = eof_ = count == 0;
    NotifyDataSetChanged();
  } else {
    NotifyRecordChanged(nullptr);
  }
  Fire(AfterCancel);
  if (wasInsert) Fire(AfterScroll);
}

void Dataset::CheckBrowseMode() {
  if (!Editing()) return;
  if (modified_)
    Post();
  else
    Cancel();
}

// The row stays in storage, marked deleted, so that row numbers never move; the
// natural order drops deleted rows when they become many.
void Dataset::Delete() {
  CheckActive();
  if (state_ == DataSetState::Insert) {
    Cancel();
    return;
  }
  if (view_.empty()) throw DatasetError("Cannot delete from an empty dataset");
  if (state_ == DataSetState::Edit) {
    buffer_.clear();
    modified_ = false;
    SetState(DataSetState::Browse);
  }
  Fire(BeforeDelete);
  Fire(BeforeScroll);
  const std::uint32_t row = view_[static_cast<std::size_t>(cursor_)];
  if (status_[row] != RowStatus::Inserted) deletedLog_.push_back(row);
  status_[row] = RowStatus::Deleted;
  const bool wasLast = cursor_ == RecordCount() - 1;
  view_.erase(view_.begin() + cursor_);
  ++deletedInOrder_;
  if (deletedInOrder_ > 1024 && deletedInOrder_ * 2 > order_.size()) CompactOrder();
  const int count = RecordCount();
  if (cursor_ >= count) cursor_ = count - 1;
  bof_ = count == 0;
  eof_ = count == 0 || wasLast;
  NotifyDataSetChanged();
  Fire(AfterDelete);
  Fire(AfterScroll);
}

}  // namespace data
