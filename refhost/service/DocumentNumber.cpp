#include "refhost/service/DocumentNumber.h"

#include <cstdio>

#include "base/Text.h"
#include "refhost/engine/Database.h"
#include "refhost/service/HostRefusal.h"

namespace refhost {

std::string NextDocumentNumber(Database& database, const std::string& table,
                               const std::string& column, const std::string& date) {
  // Twelve characters with the date's prefix: numbers of another shape do not count.
  Statement statement = database.Prepare("SELECT MAX(" + column + ") FROM " + table + " WHERE " +
                                         column + " LIKE ?");
  const ResultSet result = statement.Query({base::Variant(date + "____")});
  int last = 0;
  if (!result.rows.empty()) {
    const std::string highest = base::Trim(result.rows[0][0].ToTextOrEmpty());
    if (highest.size() == 12 && highest.find_first_not_of("0123456789") == std::string::npos)
      last = std::stoi(highest.substr(8));
  }
  if (last >= 9999) throw HostRefusal("当日单据号已用完：" + date);
  char number[16];
  std::snprintf(number, sizeof number, "%s%04d", date.c_str(), last + 1);
  return number;
}

}  // namespace refhost
