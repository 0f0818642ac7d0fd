#pragma once
// Creating the business tables on a database: the DDL for each dialect, and the
// creation of what is missing, so that running it again changes nothing.
#include <string>
#include <string_view>
#include <vector>

#include "refhost/engine/Dialect.h"
#include "refhost/schema/TableDef.h"

namespace refhost {

class Database;

// The CREATE TABLE statement and one CREATE INDEX per index, for the dialect.
std::vector<std::string> CreateStatements(const TableDef& table, Dialect dialect);

// Creates the fixed tables that do not exist yet, with their indexes, in one
// transaction; returns how many it created.
int CreateSchema(Database& database);

// Creates the monthly tables of yearMonth that do not exist yet; returns how many.
int CreateMonthTables(Database& database, std::string_view yearMonth);

// The year-months that have a monthly table, ascending.
std::vector<std::string> DataMonths(Database& database);

}  // namespace refhost
