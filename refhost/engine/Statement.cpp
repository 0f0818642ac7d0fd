#include "refhost/engine/Statement.h"

#include "refhost/engine/OdbcStatement.h"

namespace refhost {

Statement::Statement(std::shared_ptr<odbc::OdbcStatement> statement)
    : statement_(std::move(statement)) {}
Statement::~Statement() = default;
Statement::Statement(Statement&&) noexcept = default;
Statement& Statement::operator=(Statement&&) noexcept = default;

void Statement::SetParameterKinds(std::vector<ValueKind> kinds) { kinds_ = std::move(kinds); }

long long Statement::Execute(const std::vector<base::Variant>& values) {
  statement_->Execute(values, kinds_.empty() ? nullptr : &kinds_);
  return statement_->RowCount();
}

ResultSet Statement::Query(const std::vector<base::Variant>& values) {
  statement_->Execute(values, kinds_.empty() ? nullptr : &kinds_);
  return ResultReader(statement_).ReadAll();
}

}  // namespace refhost
