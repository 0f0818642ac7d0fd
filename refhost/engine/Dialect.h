#pragma once
// Dialect: which database server sits behind an ODBC connection.
#include <string_view>

namespace refhost {

// The database products the reference host knows apart.
enum class Dialect { SQLite, PostgreSQL, SqlServer, Other };

// The dialect for the DBMS name a driver reports (SQL_DBMS_NAME), e.g. "PostgreSQL".
Dialect DialectFromDbmsName(std::string_view dbmsName);

// A short upper-case name: "SQLITE", "POSTGRESQL", "SQLSERVER" or "OTHER".
const char* DialectName(Dialect dialect);

}  // namespace refhost
