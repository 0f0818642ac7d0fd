#pragma once
// Finding the SQLite3 ODBC driver and naming a database file for it.
#include <string>

namespace refhost {

// The DRIVER= value for the SQLite3 ODBC driver: the environment variable
// FEEHOST_SQLITE_DRIVER when set; else the first registered driver whose name holds
// "SQLite3"; else the driver library's path on Debian.
std::string SqliteDriver();

// The connection string that opens (and on first use creates) the database file.
// Throws std::invalid_argument for a path the driver cannot take (empty, or with ';').
std::string SqliteConnectionString(const std::string& path);

}  // namespace refhost
