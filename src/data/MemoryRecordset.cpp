#include "data/MemoryRecordset.h"

#include <string>

#include "data/Field.h"

namespace data {

MemoryRecordset::MemoryRecordset(std::vector<RecordsetField> fields,
                                 std::vector<std::vector<base::Variant>> rows)
    : fields_(std::move(fields)), rows_(std::move(rows)) {
  for (const auto& row : rows_)
    if (row.size() != fields_.size())
      throw DatasetError("a recordset row has " + std::to_string(row.size()) +
                         " values for " + std::to_string(fields_.size()) + " fields");
}

void MemoryRecordset::CheckOpen() const {
  if (closed_) throw DatasetError("Operation is not allowed when the object is closed.");
}

void MemoryRecordset::MoveFirst() {
  CheckOpen();
  position_ = 0;
}

void MemoryRecordset::MoveNext() {
  CheckOpen();
  if (position_ >= rows_.size())
    throw DatasetError("Either BOF or EOF is True, or the current record has been deleted.");
  ++position_;
}

base::Variant MemoryRecordset::Value(int index) {
  CheckOpen();
  if (position_ >= rows_.size())
    throw DatasetError("Either BOF or EOF is True, or the current record has been deleted.");
  if (index < 0 || index >= static_cast<int>(fields_.size()))
    throw DatasetError("Item cannot be found in the collection corresponding to the requested "
                       "name or ordinal.");
  return rows_[position_][static_cast<std::size_t>(index)];
}

std::vector<std::vector<base::Variant>> MemoryRecordset::GetRows() {
  CheckOpen();
  std::vector<std::vector<base::Variant>> rest(rows_.begin() + static_cast<std::ptrdiff_t>(position_),
                                               rows_.end());
  position_ = rows_.size();
  return rest;
}

}  // namespace data
