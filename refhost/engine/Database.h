#pragma once
// Database: one ODBC connection of the reference host: runs statements and queries,
// prepares statements, and keeps transactions. SQLite (a file), PostgreSQL or SQL
// Server, told apart by the driver's DBMS name.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "refhost/engine/Dialect.h"
#include "refhost/engine/ResultReader.h"
#include "refhost/engine/ResultSet.h"
#include "refhost/engine/Statement.h"

namespace refhost {

namespace odbc {
class OdbcConnection;
}

class Database {
 public:
  // Connects with an ODBC connection string, e.g.
  // "DRIVER={PostgreSQL Unicode};Server=localhost;Port=5432;Database=fee;Uid=fee;Pwd=...".
  // Throws DbError with the driver's messages when the connection fails.
  static std::unique_ptr<Database> Connect(std::string_view connectionString);
  // Opens the SQLite database file through the SQLite3 ODBC driver, creating it on first use.
  static std::unique_ptr<Database> OpenSqliteFile(const std::string& path);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // The database product behind the connection.
  Dialect GetDialect() const { return dialect_; }
  // The DBMS name the driver reports.
  const std::string& DbmsName() const;

  // The SQL as this database is given it: for SQLite with left( calls rewritten, for
  // every other database unchanged.
  std::string AdaptSql(std::string_view sql) const;

  // Runs one statement; returns the rows it changed, or -1 when the driver cannot tell.
  long long Execute(std::string_view sql);
  // Runs one SELECT and reads its whole result.
  ResultSet Query(std::string_view sql);
  // Runs one SELECT and returns a reader for its rows.
  ResultReader Read(std::string_view sql);
  // Prepares a statement with '?' parameter markers.
  Statement Prepare(std::string_view sql);

  // Opens a transaction: statements from here on are committed or rolled back together.
  void Begin();
  // Commits the open transaction.
  void Commit();
  // Rolls the open transaction back.
  void Rollback();
  // True between Begin and Commit or Rollback.
  bool InTransaction() const { return inTransaction_; }

  // The names of the tables the connection sees.
  std::vector<std::string> TableNames();
  // Whether a table of this name exists; names compare without regard to ASCII case.
  bool TableExists(std::string_view name);

 private:
  explicit Database(std::shared_ptr<odbc::OdbcConnection> connection);

  std::shared_ptr<odbc::OdbcConnection> connection_;
  Dialect dialect_;
  bool inTransaction_ = false;
};

}  // namespace refhost
