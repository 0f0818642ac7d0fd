#include "refhost/engine/ResultReader.h"

#include "refhost/engine/OdbcApi.h"
#include "refhost/engine/OdbcStatement.h"

namespace refhost {

ResultReader::ResultReader(std::shared_ptr<odbc::OdbcStatement> statement)
    : statement_(std::move(statement)) {}
ResultReader::~ResultReader() = default;
ResultReader::ResultReader(ResultReader&&) noexcept = default;
ResultReader& ResultReader::operator=(ResultReader&&) noexcept = default;

const std::vector<Column>& ResultReader::Columns() const { return statement_->Columns(); }

bool ResultReader::Next(std::vector<base::Variant>& row) { return statement_->Fetch(row); }

ResultSet ResultReader::ReadAll() {
  ResultSet result;
  result.columns = Columns();
  std::vector<base::Variant> row;
  while (Next(row)) result.rows.push_back(row);
  // A column described as integer that holds fractions (see OdbcStatement) is a
  // floating-point column; so it is described to whoever builds fields from it.
  for (std::size_t i = 0; i < result.columns.size(); ++i) {
    Column& column = result.columns[i];
    if (column.sqlType != SQL_INTEGER && column.sqlType != SQL_SMALLINT &&
        column.sqlType != SQL_TINYINT && column.sqlType != SQL_BIGINT)
      continue;
    for (const auto& values : result.rows) {
      if (values[i].GetType() == base::Variant::Type::Double) {
        column.sqlType = SQL_DOUBLE;
        column.size = 15;
        break;
      }
    }
  }
  return result;
}

}  // namespace refhost
