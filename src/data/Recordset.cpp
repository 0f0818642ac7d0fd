#include "data/Recordset.h"

namespace data {

std::vector<std::vector<base::Variant>> Recordset::GetRows() {
  const int count = static_cast<int>(Fields().size());
  std::vector<std::vector<base::Variant>> rows;
  for (; !Eof(); MoveNext()) {
    std::vector<base::Variant>& row = rows.emplace_back();
    row.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) row.push_back(Value(i));
  }
  return rows;
}

}  // namespace data
