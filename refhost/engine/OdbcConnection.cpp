#include "refhost/engine/OdbcConnection.h"

#include <algorithm>

#include "refhost/engine/DbError.h"
#include "refhost/engine/NoCase.h"
#include "refhost/engine/OdbcDiagnostics.h"

namespace refhost::odbc {

namespace {

// Texts go through the W functions (UTF-16), which SQL Server and the PostgreSQL Unicode
// driver expect on every platform. The SQLite3 driver built for unixODBC has no W
// functions, and the driver manager narrows UTF-16 for it by dropping the high bytes,
// so there the engine hands UTF-8 straight to the narrow functions, which SQLite
// stores as it is. On Windows the SQLite driver has W functions and the narrow ones
// would use the ANSI code page, so Windows stays wide throughout.
TextMode ModeFor(std::string_view connectionStringOrDbms) {
#ifdef _WIN32
  (void)connectionStringOrDbms;
  return TextMode::Wide;
#else
  return ContainsNoCase(connectionStringOrDbms, "sqlite") ? TextMode::Utf8 : TextMode::Wide;
#endif
}

}  // namespace

OdbcConnection::OdbcConnection(std::string_view connectionString)
    : mode_(ModeFor(connectionString)) {
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_)))
    throw DbError("cannot allocate an ODBC environment", {});
  SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_))) {
    auto records = Diagnostics(SQL_HANDLE_ENV, env_, mode_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
    throw DbError("cannot allocate an ODBC connection", std::move(records));
  }
  SQLRETURN rc;
  if (mode_ == TextMode::Wide) {
    WideString text = ToWide(connectionString);
    rc = SQLDriverConnectW(dbc_, nullptr, text.data(), static_cast<SQLSMALLINT>(text.size()),
                           nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  } else {
    std::string text(connectionString);
    rc = SQLDriverConnect(dbc_, nullptr, AsSqlChar(text), static_cast<SQLSMALLINT>(text.size()),
                          nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  }
  if (!SQL_SUCCEEDED(rc)) {
    auto records = Diagnostics(SQL_HANDLE_DBC, dbc_, mode_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
    throw DbError("cannot connect to the database", std::move(records));
  }
  dbmsName_ = ReadInfoText(SQL_DBMS_NAME);
  mode_ = ModeFor(dbmsName_);
  // SQLite types values, not columns; its driver describes a computed column by the
  // value in the first row, so a sum whose first row happens to be whole is described
  // as an integer column although later rows have cents.
  looseColumnTypes_ = ContainsNoCase(dbmsName_, "sqlite");
}

OdbcConnection::~OdbcConnection() {
  SQLDisconnect(dbc_);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
  SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

void OdbcConnection::CheckDbc(SQLRETURN rc, const char* context) const {
  Check(rc, SQL_HANDLE_DBC, dbc_, mode_, context);
}

std::string OdbcConnection::ReadInfoText(SQLUSMALLINT infoType) const {
  SQLSMALLINT length = 0;
  if (mode_ == TextMode::Wide) {
    SQLWCHAR buffer[256] = {};
    CheckDbc(SQLGetInfoW(dbc_, infoType, buffer, sizeof buffer, &length), "cannot read driver info");
    return FromWide(buffer, std::min<std::size_t>(length / sizeof(SQLWCHAR), 255));
  }
  char buffer[256] = {};
  CheckDbc(SQLGetInfo(dbc_, infoType, buffer, sizeof buffer, &length), "cannot read driver info");
  return std::string(buffer, std::min<std::size_t>(length, 255));
}

void OdbcConnection::SetAutoCommit(bool on) {
  const SQLULEN value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
  CheckDbc(SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(value), 0),
           "cannot switch automatic commit");
}

void OdbcConnection::EndTransaction(bool commit) {
  CheckDbc(SQLEndTran(SQL_HANDLE_DBC, dbc_, commit ? SQL_COMMIT : SQL_ROLLBACK),
           commit ? "commit refused" : "rollback refused");
}

}  // namespace refhost::odbc
