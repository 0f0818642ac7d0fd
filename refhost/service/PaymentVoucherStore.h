#pragma once
// Stores one payment voucher from a one-record data packet: numbers it (today's date
// and a sequence), writes it to tbFkd and writes the number into its source, the
// approval form's `f_Fkspdh` (`f_flag` 0) or the payment plan's `f_spdh` (`f_flag` 1),
// all in one transaction. A source that is missing or already paid refuses the voucher,
// so that nothing is paid twice.
#include <cstdint>
#include <string>
#include <vector>

#include "refhost/service/StoreContext.h"

namespace refhost {

class Database;

// Stores the voucher and returns its number; HostRefusal (nothing stored) otherwise.
std::string StorePaymentVoucher(Database& database, const std::vector<std::uint8_t>& voucher,
                                const StoreContext& context);

}  // namespace refhost
