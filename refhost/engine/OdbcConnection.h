#pragma once
// OdbcConnection: the environment and connection handles of one database connection
// and the text convention the engine uses with its driver. Internal to the engine.
#include <string>
#include <string_view>

#include "refhost/engine/OdbcApi.h"
#include "refhost/engine/OdbcText.h"

namespace refhost::odbc {

class OdbcConnection {
 public:
  // Connects without prompting; throws DbError with the driver's messages on failure.
  explicit OdbcConnection(std::string_view connectionString);
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  // The connection handle.
  SQLHDBC Handle() const { return dbc_; }
  // How texts cross the API on this connection.
  TextMode Mode() const { return mode_; }
  // The DBMS name the driver reports ("SQLite", "PostgreSQL", "Microsoft SQL Server").
  const std::string& DbmsName() const { return dbmsName_; }
  // True when a column's described type may not hold for all its values (SQLite).
  bool LooseColumnTypes() const { return looseColumnTypes_; }

  // Switches automatic commit on or off.
  void SetAutoCommit(bool on);
  // Commits or rolls back the open transaction.
  void EndTransaction(bool commit);

 private:
  void CheckDbc(SQLRETURN rc, const char* context) const;
  std::string ReadInfoText(SQLUSMALLINT infoType) const;

  SQLHENV env_ = SQL_NULL_HENV;
  SQLHDBC dbc_ = SQL_NULL_HDBC;
  TextMode mode_ = TextMode::Wide;
  std::string dbmsName_;
  bool looseColumnTypes_ = false;
};

}  // namespace refhost::odbc
