#pragma once
// refhost::MasterLookup: finds master-data rows by code through one prepared SELECT,
// remembering each answer, so checking many lines asks once per distinct code.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "refhost/engine/Statement.h"

namespace refhost {

class Database;

class MasterLookup {
 public:
  // sql: a SELECT with one '?' marker for the code.
  MasterLookup(Database& database, const std::string& sql);

  // The first row for the code, or nullptr when there is none.
  const std::vector<base::Variant>* Find(const std::string& code);

 private:
  Statement statement_;
  std::map<std::string, std::optional<std::vector<base::Variant>>> found_;
};

}  // namespace refhost
