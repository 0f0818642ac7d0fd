#pragma once
// BulkInserter: inserts many rows into one table fast, as multi-row INSERT statements
// with bound parameters (one statement prepared once, run per batch of rows).
#include <optional>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "refhost/engine/Statement.h"
#include "refhost/engine/ValueKind.h"

namespace refhost {

class Database;

class BulkInserter {
 public:
  // Inserts into table's columns, of the given kinds (one per column).
  BulkInserter(Database& database, std::string table, std::vector<std::string> columns,
               std::vector<ValueKind> kinds);

  // Adds one row, one value per column; writes a batch when one is full.
  void Add(std::vector<base::Variant> row);
  // Writes the rows not yet written. Rows added after the last Flush are not written.
  void Flush();
  // The number of rows written so far.
  long long RowsWritten() const { return written_; }
  // The table written to.
  const std::string& Table() const { return table_; }

 private:
  Statement PrepareFor(std::size_t rows);

  Database& database_;
  std::string table_;
  std::vector<std::string> columns_;
  std::vector<ValueKind> kinds_;
  std::size_t rowsPerBatch_;
  std::optional<Statement> fullBatch_;
  std::vector<base::Variant> pending_;
  long long written_ = 0;
};

}  // namespace refhost
