#include "refhost/engine/SqliteDriver.h"

#include <cstdlib>
#include <stdexcept>

#include "refhost/engine/OdbcApi.h"

namespace refhost {

namespace {

// Where Debian's libsqliteodbc puts the driver; used when odbcinst.ini does not name it.
constexpr const char* kDebianDriverPath = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

std::string RegisteredSqliteDriver() {
  SQLHENV env = SQL_NULL_HENV;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) return {};
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  std::string found;
  SQLCHAR name[256];
  SQLCHAR attributes[1024];
  SQLSMALLINT nameLength = 0, attributesLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (found.empty() &&
         SQL_SUCCEEDED(SQLDrivers(env, direction, name, sizeof name, &nameLength, attributes,
                                  sizeof attributes, &attributesLength))) {
    direction = SQL_FETCH_NEXT;
    const std::string candidate(reinterpret_cast<const char*>(name));
    if (candidate.find("SQLite3") != std::string::npos) found = candidate;
  }
  SQLFreeHandle(SQL_HANDLE_ENV, env);
  return found;
}

}  // namespace

std::string SqliteDriver() {
  if (const char* configured = std::getenv("FEEHOST_SQLITE_DRIVER"); configured && *configured)
    return configured;
  const std::string registered = RegisteredSqliteDriver();
  return registered.empty() ? kDebianDriverPath : registered;
}

std::string SqliteConnectionString(const std::string& path) {
  if (path.empty()) throw std::invalid_argument("the database file name is empty");
  // The SQLite driver reads the value up to the next ';' and knows no quoting.
  if (path.find(';') != std::string::npos || path.front() == '{')
    throw std::invalid_argument("the database file name may not contain ';' or begin with '{': " +
                                path);
  const std::string driver = SqliteDriver();
  const bool isPath = driver.find('/') != std::string::npos || driver.find('\\') != std::string::npos;
  // Timeout: milliseconds to wait for another connection's lock before giving up.
  return "DRIVER=" + (isPath ? driver : "{" + driver + "}") + ";Database=" + path +
         ";Timeout=10000";
}

}  // namespace refhost
