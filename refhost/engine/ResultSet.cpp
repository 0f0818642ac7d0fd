#include "refhost/engine/ResultSet.h"

#include "refhost/engine/NoCase.h"

namespace refhost {

int ResultSet::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (EqualsNoCase(columns[i].name, name)) return static_cast<int>(i);
  return -1;
}

}  // namespace refhost
