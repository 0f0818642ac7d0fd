#include "refhost/service/MasterLookup.h"

#include "refhost/engine/Database.h"

namespace refhost {

MasterLookup::MasterLookup(Database& database, const std::string& sql)
    : statement_(database.Prepare(sql)) {}

const std::vector<base::Variant>* MasterLookup::Find(const std::string& code) {
  auto it = found_.find(code);
  if (it == found_.end()) {
    ResultSet result = statement_.Query({base::Variant(code)});
    std::optional<std::vector<base::Variant>> row;
    if (!result.rows.empty()) row = std::move(result.rows.front());
    it = found_.emplace(code, std::move(row)).first;
  }
  return it->second ? &*it->second : nullptr;
}

}  // namespace refhost
