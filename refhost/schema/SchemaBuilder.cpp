#include "refhost/schema/SchemaBuilder.h"

#include <algorithm>
#include <set>

#include "refhost/engine/Database.h"
#include "refhost/engine/NoCase.h"
#include "refhost/engine/Transaction.h"
#include "refhost/schema/BusinessTables.h"

namespace refhost {

namespace {

std::string TypeName(const ColumnDef& column, Dialect dialect) {
  switch (column.kind) {
    case ValueKind::Text:
      return (dialect == Dialect::SqlServer ? "NVARCHAR(" : "VARCHAR(") +
             std::to_string(column.width) + ")";
    case ValueKind::Integer:
    case ValueKind::Bool: return "INTEGER";
    // SQLite keeps REAL columns as floating point and its driver reports them as
    // SQL_DOUBLE; a DECIMAL column there would come back described as text.
    case ValueKind::Number: return dialect == Dialect::SQLite ? "REAL" : "DECIMAL(18,4)";
    case ValueKind::DateTime: return dialect == Dialect::SqlServer ? "DATETIME2" : "TIMESTAMP";
    case ValueKind::Bytes:
      return dialect == Dialect::PostgreSQL  ? "BYTEA"
             : dialect == Dialect::SqlServer ? "VARBINARY(MAX)"
                                             : "BLOB";
  }
  return "VARCHAR(255)";
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
  return text;
}

// Runs the statements of every table that is missing, all in one transaction.
int CreateMissing(Database& database, const std::vector<TableDef>& tables) {
  const std::vector<std::string> existing = database.TableNames();
  auto exists = [&](const std::string& name) {
    return std::any_of(existing.begin(), existing.end(),
                       [&](const std::string& table) { return EqualsNoCase(table, name); });
  };
  int created = 0;
  Transaction transaction(database);
  for (const TableDef& table : tables) {
    if (exists(table.name)) continue;
    for (const std::string& statement : CreateStatements(table, database.GetDialect()))
      database.Execute(statement);
    ++created;
  }
  transaction.Commit();
  return created;
}

}  // namespace

std::vector<std::string> CreateStatements(const TableDef& table, Dialect dialect) {
  std::string create = "CREATE TABLE " + table.name + " (";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const ColumnDef& column = table.columns[i];
    create += (i ? ", " : "") + column.name + " " + TypeName(column, dialect);
    const bool inKey = std::any_of(table.primaryKey.begin(), table.primaryKey.end(),
                                   [&](const std::string& key) { return EqualsNoCase(key, column.name); });
    if (column.emptyDefault) create += " DEFAULT ''";
    if (column.emptyDefault || inKey) create += " NOT NULL";
  }
  if (!table.primaryKey.empty()) create += ", PRIMARY KEY (" + JoinNames(table.primaryKey) + ")";
  create += ")";
  std::vector<std::string> statements{create};
  for (const IndexDef& index : table.indexes)
    statements.push_back("CREATE INDEX ix_" + table.name + "_" + index.suffix + " ON " +
                         table.name + " (" + JoinNames(index.columns) + ")");
  return statements;
}

int CreateSchema(Database& database) { return CreateMissing(database, FixedTables()); }

int CreateMonthTables(Database& database, std::string_view yearMonth) {
  std::vector<TableDef> tables;
  for (const TableDef& monthlyTemplate : MonthlyTableTemplates())
    tables.push_back(MonthlyTable(monthlyTemplate, yearMonth));
  return CreateMissing(database, tables);
}

std::vector<std::string> DataMonths(Database& database) {
  std::set<std::string> months;
  for (const std::string& table : database.TableNames()) {
    // "tb" + six digits + "_" + a monthly base name.
    if (table.size() < 10 || !EqualsNoCase(table.substr(0, 2), "tb") || table[8] != '_') continue;
    const std::string month = table.substr(2, 6);
    if (!std::all_of(month.begin(), month.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    for (const TableDef& monthlyTemplate : MonthlyTableTemplates())
      if (EqualsNoCase(table.substr(8), monthlyTemplate.name.substr(8))) months.insert(month);
  }
  return {months.begin(), months.end()};
}

}  // namespace refhost
