#pragma once
// ResultSet: the columns and rows a SELECT returned.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"

namespace refhost {

// One result column as the driver describes it.
struct Column {
  std::string name;
  int sqlType = 0;         // the ODBC SQL type code (SQL_VARCHAR = 12, SQL_DOUBLE = 8, ...)
  std::int64_t size = 0;   // defined size: characters for texts, digits for numbers
  int decimalDigits = 0;   // digits after the decimal point, where the type has them
  bool nullable = true;
};

// A whole result held in memory.
struct ResultSet {
  std::vector<Column> columns;
  std::vector<std::vector<base::Variant>> rows;

  // The index of the column with this name, compared without regard to ASCII case; -1 if none.
  int ColumnIndex(std::string_view name) const;
};

}  // namespace refhost
