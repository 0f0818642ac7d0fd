#include "db/SqlText.h"

namespace db {

std::string QuotedStr(std::string_view value) {
  std::string quoted;
  quoted.reserve(value.size() + 2);
  quoted += '\'';
  for (char c : value) {
    if (c == '\'') quoted += '\'';
    quoted += c;
  }
  quoted += '\'';
  return quoted;
}

std::string_view ConcatOperator(std::string_view dialect) {
  return dialect == "SQLSERVER" ? "+" : "||";
}

}  // namespace db
