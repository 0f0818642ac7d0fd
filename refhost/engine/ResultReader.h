#pragma once
// ResultReader: reads a SELECT's result row by row, for results too large to hold.
#include <memory>
#include <vector>

#include "base/Variant.h"
#include "refhost/engine/ResultSet.h"

namespace refhost {

namespace odbc {
class OdbcStatement;
}

class ResultReader {
 public:
  // Takes over an executed statement (made by Database or Statement).
  explicit ResultReader(std::shared_ptr<odbc::OdbcStatement> statement);
  ~ResultReader();
  ResultReader(ResultReader&&) noexcept;
  ResultReader& operator=(ResultReader&&) noexcept;

  // The result's columns.
  const std::vector<Column>& Columns() const;
  // Reads the next row; false at the end.
  bool Next(std::vector<base::Variant>& row);
  // Reads every remaining row into a ResultSet.
  ResultSet ReadAll();

 private:
  std::shared_ptr<odbc::OdbcStatement> statement_;
};

}  // namespace refhost
