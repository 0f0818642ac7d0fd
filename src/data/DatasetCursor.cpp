// Dataset: the cursor over the view, Locate and bookmarks. Every move posts or
// cancels a pending edit first and fires BeforeScroll/AfterScroll around itself.
#include <algorithm>

#include "data/Collation.h"
#include "data/Dataset.h"

namespace data {

int Dataset::PositionOf(std::uint32_t row) const {
  const auto it = std::find(view_.begin(), view_.end(), row);
  return it == view_.end() ? -1 : static_cast<int>(it - view_.begin());
}

void Dataset::ScrollTo(int position, bool bof, bool eof) {
  Fire(BeforeScroll);
  const int old = cursor_;
  cursor_ = view_.empty() ? -1 : position;
  bof_ = bof || view_.empty();
  eof_ = eof || view_.empty();
  NotifyScrolled(cursor_ - old);
  Fire(AfterScroll);
}

void Dataset::First() {
  CheckActive();
  CheckBrowseMode();
  ScrollTo(0, true, false);
}

void Dataset::Last() {
  CheckActive();
  CheckBrowseMode();
  ScrollTo(RecordCount() - 1, false, true);
}

void Dataset::Next() { MoveBy(1); }
void Dataset::Prior() { MoveBy(-1); }

int Dataset::MoveBy(int distance) {
  CheckActive();
  CheckBrowseMode();
  if (distance == 0 || (distance > 0 && eof_) || (distance < 0 && bof_)) return 0;
  const int last = RecordCount() - 1;
  const long long target = static_cast<long long>(cursor_) + distance;
  const int position = static_cast<int>(std::clamp<long long>(target, 0, last < 0 ? 0 : last));
  const int old = cursor_;
  ScrollTo(position, target < 0, target > last);
  return cursor_ - old;
}

int Dataset::RecNo() const {
  if (state_ == DataSetState::Insert) return insertPosition_ + 1;
  return cursor_ < 0 ? 0 : cursor_ + 1;
}

void Dataset::SetRecNo(int recNo) {
  CheckActive();
  CheckBrowseMode();
  if (view_.empty()) return;
  const int position = std::clamp(recNo, 1, RecordCount()) - 1;
  if (position == cursor_) return;
  ScrollTo(position, false, false);
}

bool Dataset::Locate(std::string_view keyFields, const base::Variant& keyValues, LocateOptions options) {
  CheckActive();
  CheckBrowseMode();
  const std::vector<Field*> fields = GetFieldList(keyFields);
  if (fields.empty()) throw DatasetError("Locate needs at least one key field");
  std::vector<base::Variant> values;
  if (keyValues.IsArray())
    values = keyValues.Array().items;
  else
    values.push_back(keyValues);
  if (values.size() != fields.size())
    throw DatasetError("Locate got " + std::to_string(values.size()) + " values for " +
                       std::to_string(fields.size()) + " key fields");
  // Each key as its field stores it; texts compared as written (not cut to width).
  std::vector<base::Variant> keys(fields.size());
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (values[k].IsEmptyOrNull()) continue;  // an Empty key matches a null field
    keys[k] = fields[k]->IsText() ? base::Variant(values[k].ToText()) : fields[k]->Coerce(values[k]);
  }
  const auto matches = [&](std::uint32_t row) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
      const Field& field = *fields[k];
      const base::Variant& key = keys[k];
      if (key.IsEmptyOrNull()) {
        if (!field.IsNullAt(row)) return false;
        continue;
      }
      if (field.IsNullAt(row)) return false;
      if (field.IsText()) {
        std::string_view text = field.TextAt(row);
        const std::string& wanted = key.ToText();
        if (options.partialKey && text.size() > wanted.size()) text = text.substr(0, wanted.size());
        if (options.caseInsensitive ? !EqualsIgnoreCase(text, wanted) : text != wanted) return false;
      } else if (field.FloatAt(row) != key.ToDouble()) {
        return false;
      }
    }
    return true;
  };
  for (std::size_t position = 0; position < view_.size(); ++position) {
    if (!matches(view_[position])) continue;
    ScrollTo(static_cast<int>(position), false, false);
    return true;
  }
  return false;
}

Bookmark Dataset::GetBookmark() const {
  const auto row = CurrentRow();
  return row ? Bookmark{*row} : Bookmark{};
}

void Dataset::GotoBookmark(Bookmark bookmark) {
  CheckActive();
  CheckBrowseMode();
  const int position = bookmark.Valid() ? PositionOf(bookmark.row) : -1;
  if (position < 0) throw DatasetError("Record not found (the bookmark is not in the dataset's view)");
  ScrollTo(position, false, false);
}

bool Dataset::BookmarkValid(Bookmark bookmark) const {
  return bookmark.Valid() && bookmark.row < rowCount_ && status_[bookmark.row] != RowStatus::Deleted &&
         PositionOf(bookmark.row) >= 0;
}

}  // namespace data
