#include "refhost/schema/TableDef.h"

#include "refhost/engine/NoCase.h"

namespace refhost {

const ColumnDef* TableDef::FindColumn(std::string_view column) const {
  for (const ColumnDef& def : columns)
    if (EqualsNoCase(def.name, column)) return &def;
  return nullptr;
}

std::vector<std::string> TableDef::ColumnNames() const {
  std::vector<std::string> names;
  for (const ColumnDef& def : columns) names.push_back(def.name);
  return names;
}

std::vector<ValueKind> TableDef::ColumnKinds() const {
  std::vector<ValueKind> kinds;
  for (const ColumnDef& def : columns) kinds.push_back(def.kind);
  return kinds;
}

}  // namespace refhost
