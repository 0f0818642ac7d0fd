#pragma once
// data::MemoryRecordset: a standalone recordset held in memory, the library's and the
// reference host's own recordset object (what a detached recordset becomes).
#include <cstddef>
#include <stdexcept>
#include <vector>

#include "data/Recordset.h"

namespace data {

class MemoryRecordset : public Recordset {
 public:
  MemoryRecordset(std::vector<RecordsetField> fields, std::vector<std::vector<base::Variant>> rows);

  std::vector<RecordsetField> Fields() override { return fields_; }
  bool Eof() override { return closed_ || position_ >= rows_.size(); }
  void MoveFirst() override;
  void MoveNext() override;
  base::Variant Value(int index) override;
  std::vector<std::vector<base::Variant>> GetRows() override;
  void Close() override { closed_ = true; }

  bool Closed() const { return closed_; }
  std::size_t RowCount() const { return rows_.size(); }
  const std::vector<std::vector<base::Variant>>& Rows() const { return rows_; }

 private:
  void CheckOpen() const;

  std::vector<RecordsetField> fields_;
  std::vector<std::vector<base::Variant>> rows_;
  std::size_t position_ = 0;
  bool closed_ = false;
};

}  // namespace data
