#pragma once
// Stores one approval form from the data packet of its lines: numbers it (today's
// date and a sequence), writes the header to tbTdspzb, the lines to tbTdspcb and one
// row to the generation log tbTdautoLog, all in one transaction. The parameter is the
// year-month, a tab, the channel code, a tab and the flag ("0" generated, "1" imported).
#include <string>
#include <vector>

#include "refhost/service/StoreContext.h"

namespace refhost {

class Database;

// Stores the form and returns its number; HostRefusal (nothing stored) when the packet,
// the parameter or the database refuses.
std::string StoreApprovalForm(Database& database, const std::vector<std::uint8_t>& lines,
                              const std::string& param, const StoreContext& context);

}  // namespace refhost
