#pragma once
// Statement: a prepared statement with parameter markers, run again and again with
// new values.
#include <memory>
#include <vector>

#include "base/Variant.h"
#include "refhost/engine/ResultReader.h"
#include "refhost/engine/ValueKind.h"

namespace refhost {

namespace odbc {
class OdbcStatement;
}

class Statement {
 public:
  // Takes over a prepared statement (made by Database::Prepare).
  explicit Statement(std::shared_ptr<odbc::OdbcStatement> statement);
  ~Statement();
  Statement(Statement&&) noexcept;
  Statement& operator=(Statement&&) noexcept;

  // Sets the kind of each parameter, so that Nulls are typed and values converted to it.
  void SetParameterKinds(std::vector<ValueKind> kinds);
  // Runs the statement with one value per marker; returns the rows changed, or -1.
  long long Execute(const std::vector<base::Variant>& values);
  // Runs a prepared SELECT with the values and reads its result.
  ResultSet Query(const std::vector<base::Variant>& values);

 private:
  std::shared_ptr<odbc::OdbcStatement> statement_;
  std::vector<ValueKind> kinds_;
};

}  // namespace refhost
