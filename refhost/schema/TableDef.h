#pragma once
// TableDef: the shape of one table of the reference host's database: columns with
// their kinds, primary key and indexes.
#include <string>
#include <string_view>
#include <vector>

#include "refhost/engine/ValueKind.h"

namespace refhost {

// One column. Texts have a width (characters); a column marked emptyDefault is
// NOT NULL DEFAULT '' because the screens test it with = '' ("no voucher yet").
struct ColumnDef {
  std::string name;
  ValueKind kind = ValueKind::Text;
  int width = 0;
  bool emptyDefault = false;
};

// A secondary index; its name is "ix_" + table + "_" + suffix.
struct IndexDef {
  std::string suffix;
  std::vector<std::string> columns;
};

// A table: name, columns in order, primary key columns (may be empty), indexes.
struct TableDef {
  std::string name;
  std::vector<ColumnDef> columns;
  std::vector<std::string> primaryKey;
  std::vector<IndexDef> indexes;

  // The column of this name (compared without regard to case), or nullptr.
  const ColumnDef* FindColumn(std::string_view column) const;
  // The column names in order.
  std::vector<std::string> ColumnNames() const;
  // The column kinds in order.
  std::vector<ValueKind> ColumnKinds() const;
};

}  // namespace refhost
