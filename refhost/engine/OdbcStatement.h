#pragma once
// OdbcStatement: one statement handle: runs SQL directly or prepared, binds
// parameters, describes and fetches the result. Internal to the engine.
#include <memory>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "refhost/engine/OdbcApi.h"
#include "refhost/engine/OdbcConnection.h"
#include "refhost/engine/OdbcParameters.h"
#include "refhost/engine/ResultSet.h"

namespace refhost::odbc {

class OdbcStatement {
 public:
  explicit OdbcStatement(std::shared_ptr<OdbcConnection> connection);
  ~OdbcStatement();
  OdbcStatement(const OdbcStatement&) = delete;
  OdbcStatement& operator=(const OdbcStatement&) = delete;

  // Runs the SQL as it stands; then Columns and Fetch read its result, if any.
  void ExecuteDirect(const std::string& sql);
  // Lists the tables the connection sees (the catalog call SQLTables).
  void ListTables();
  // Prepares the SQL for Execute.
  void Prepare(const std::string& sql);
  // Binds the values (see OdbcParameters::Bind) and runs the prepared statement.
  void Execute(const std::vector<base::Variant>& values, const std::vector<ValueKind>* kinds);

  // Rows changed by the last INSERT, UPDATE or DELETE; -1 when the driver cannot tell.
  long long RowCount();
  // The columns of the current result; empty when the statement returns no rows.
  const std::vector<Column>& Columns() const { return columns_; }
  // Reads the next row into row; false at the end of the result.
  bool Fetch(std::vector<base::Variant>& row);

 private:
  void AfterExecute(SQLRETURN rc, const char* context);
  void DescribeColumns();
  base::Variant ReadValue(SQLUSMALLINT number, const Column& column);
  base::Variant ReadText(SQLUSMALLINT number);
  base::Variant ReadNumberText(SQLUSMALLINT number, bool integerColumn);
  base::Variant ReadBytes(SQLUSMALLINT number);
  void Check(SQLRETURN rc, const char* context) const;

  std::shared_ptr<OdbcConnection> connection_;
  SQLHSTMT handle_ = SQL_NULL_HSTMT;
  OdbcParameters parameters_;
  std::vector<Column> columns_;
  bool cursorOpen_ = false;
};

}  // namespace refhost::odbc
