#include "refhost/engine/Dialect.h"

#include "refhost/engine/NoCase.h"

namespace refhost {

Dialect DialectFromDbmsName(std::string_view dbmsName) {
  if (ContainsNoCase(dbmsName, "sqlite")) return Dialect::SQLite;
  if (ContainsNoCase(dbmsName, "postgres")) return Dialect::PostgreSQL;
  if (ContainsNoCase(dbmsName, "sql server")) return Dialect::SqlServer;
  return Dialect::Other;
}
const char* DialectName(Dialect dialect) {
  switch (dialect) {
    case Dialect::SQLite: return "SQLITE";
    case Dialect::PostgreSQL: return "POSTGRESQL";
    case Dialect::SqlServer: return "SQLSERVER";
    case Dialect::Other: break;
  }
  return "OTHER";
}

}  // namespace refhost
