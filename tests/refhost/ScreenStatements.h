#pragma once
// Statements the screens send to the host, spelled exactly as the screens build them,
// for the demo data that DataGenerator writes with its default options (clock
// 2005-03-15, months 200501 to 200503): they must run unchanged on every database.
#include <ostream>
#include <string>
#include <vector>

namespace refhost::test {

struct ScreenStatement {
  std::string name;
  std::string sql;
  bool expectRows;  // the demo data gives at least one row
};

// Test output names the statement, not its bytes.
inline void PrintTo(const ScreenStatement& statement, std::ostream* out) { *out << statement.name; }

// The statements, with SQL Server's "+" or the "||" of every other dialect for
// concatenation.
std::vector<ScreenStatement> ScreenStatements(const std::string& concatenation);

}  // namespace refhost::test
