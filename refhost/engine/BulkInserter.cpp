#include "refhost/engine/BulkInserter.h"

#include <algorithm>
#include <stdexcept>

#include "refhost/engine/Database.h"

namespace refhost {

namespace {

// SQL Server takes at most 2100 parameters in one statement; 2000 leaves room and is
// well below SQLite's limit. More than 100 rows a statement gains nothing measurable.
constexpr std::size_t kMaxParameters = 2000;
constexpr std::size_t kMaxRows = 100;

}  // namespace

BulkInserter::BulkInserter(Database& database, std::string table, std::vector<std::string> columns,
                           std::vector<ValueKind> kinds)
    : database_(database),
      table_(std::move(table)),
      columns_(std::move(columns)),
      kinds_(std::move(kinds)),
      rowsPerBatch_(std::clamp<std::size_t>(kMaxParameters / std::max<std::size_t>(1, columns_.size()),
                                            1, kMaxRows)) {
  if (columns_.empty() || columns_.size() != kinds_.size())
    throw std::invalid_argument("bulk insert into " + table_ + ": columns and kinds differ");
  pending_.reserve(rowsPerBatch_ * columns_.size());
}

Statement BulkInserter::PrepareFor(std::size_t rows) {
  std::string row = "(";
  for (std::size_t i = 0; i < columns_.size(); ++i) row += i ? ",?" : "?";
  row += ')';
  std::string sql = "INSERT INTO " + table_ + " (";
  for (std::size_t i = 0; i < columns_.size(); ++i) sql += (i ? "," : "") + columns_[i];
  sql += ") VALUES ";
  for (std::size_t r = 0; r < rows; ++r) sql += (r ? "," : "") + row;
  Statement statement = database_.Prepare(sql);
  std::vector<ValueKind> kinds;
  kinds.reserve(rows * kinds_.size());
  for (std::size_t r = 0; r < rows; ++r) kinds.insert(kinds.end(), kinds_.begin(), kinds_.end());
  statement.SetParameterKinds(std::move(kinds));
  return statement;
}

void BulkInserter::Add(std::vector<base::Variant> row) {
  if (row.size() != columns_.size())
    throw std::invalid_argument("bulk insert into " + table_ + ": a row of " +
                                std::to_string(row.size()) + " values for " +
                                std::to_string(columns_.size()) + " columns");
  for (auto& value : row) pending_.push_back(std::move(value));
  if (pending_.size() < rowsPerBatch_ * columns_.size()) return;
  if (!fullBatch_) fullBatch_.emplace(PrepareFor(rowsPerBatch_));
  fullBatch_->Execute(pending_);
  written_ += static_cast<long long>(rowsPerBatch_);
  pending_.clear();
}

void BulkInserter::Flush() {
  if (pending_.empty()) return;
  const std::size_t rows = pending_.size() / columns_.size();
  PrepareFor(rows).Execute(pending_);
  written_ += static_cast<long long>(rows);
  pending_.clear();
}

}  // namespace refhost
