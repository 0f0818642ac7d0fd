#include "refhost/engine/Database.h"

#include <stdexcept>

#include "refhost/engine/DbError.h"
#include "refhost/engine/NoCase.h"
#include "refhost/engine/OdbcConnection.h"
#include "refhost/engine/OdbcDiagnostics.h"
#include "refhost/engine/OdbcStatement.h"
#include "refhost/engine/SqlRewrite.h"
#include "refhost/engine/SqliteDriver.h"

namespace refhost {

std::unique_ptr<Database> Database::Connect(std::string_view connectionString) {
  return std::unique_ptr<Database>(
      new Database(std::make_shared<odbc::OdbcConnection>(connectionString)));
}

std::unique_ptr<Database> Database::OpenSqliteFile(const std::string& path) {
  return Connect(SqliteConnectionString(path));
}

Database::Database(std::shared_ptr<odbc::OdbcConnection> connection)
    : connection_(std::move(connection)),
      dialect_(DialectFromDbmsName(connection_->DbmsName())) {}

Database::~Database() {
  if (inTransaction_) {
    try {
      Rollback();
    } catch (const DbError&) {
      // The connection closes next; the server drops the transaction with it.
    }
  }
}

const std::string& Database::DbmsName() const { return connection_->DbmsName(); }

std::string Database::AdaptSql(std::string_view sql) const {
  return dialect_ == Dialect::SQLite ? RewriteLeftCalls(sql) : std::string(sql);
}

long long Database::Execute(std::string_view sql) {
  odbc::OdbcStatement statement(connection_);
  statement.ExecuteDirect(AdaptSql(sql));
  return statement.RowCount();
}

ResultSet Database::Query(std::string_view sql) { return Read(sql).ReadAll(); }

ResultReader Database::Read(std::string_view sql) {
  auto statement = std::make_shared<odbc::OdbcStatement>(connection_);
  statement->ExecuteDirect(AdaptSql(sql));
  return ResultReader(std::move(statement));
}

Statement Database::Prepare(std::string_view sql) {
  auto statement = std::make_shared<odbc::OdbcStatement>(connection_);
  statement->Prepare(AdaptSql(sql));
  return Statement(std::move(statement));
}

void Database::Begin() {
  if (inTransaction_) throw std::logic_error("a transaction is already open");
  connection_->SetAutoCommit(false);
  inTransaction_ = true;
}

void Database::Commit() {
  if (!inTransaction_) throw std::logic_error("no transaction is open");
  // Whatever the commit answers, the transaction is over: a refused commit leaves
  // nothing behind that a later Begin could continue.
  inTransaction_ = false;
  try {
    connection_->EndTransaction(true);
  } catch (const DbError&) {
    try {
      connection_->EndTransaction(false);
    } catch (const DbError&) {
    }
    connection_->SetAutoCommit(true);
    throw;
  }
  connection_->SetAutoCommit(true);
}

void Database::Rollback() {
  if (!inTransaction_) throw std::logic_error("no transaction is open");
  inTransaction_ = false;
  connection_->EndTransaction(false);
  connection_->SetAutoCommit(true);
}

std::vector<std::string> Database::TableNames() {
  odbc::OdbcStatement statement(connection_);
  statement.ListTables();
  std::vector<std::string> names;
  std::vector<base::Variant> row;
  // SQLTables answers catalog, schema, name, type and remarks, in that order.
  while (statement.Fetch(row))
    if (row.size() > 2 && row[2].GetType() == base::Variant::Type::Text)
      names.push_back(row[2].ToText());
  return names;
}

bool Database::TableExists(std::string_view name) {
  for (const std::string& table : TableNames())
    if (EqualsNoCase(table, name)) return true;
  return false;
}

}  // namespace refhost
