#pragma once
// refhost::HostClock: the host's calendar. A configured date wins (tests and demos
// stay deterministic); otherwise the system parameters `dqrq` (today) and `dqny`
// (current year-month) of tbSysMsg; otherwise the machine's clock.
#include <string>

#include "base/Variant.h"

namespace refhost {

class Database;

class HostClock {
 public:
  // configuredDate: "YYYYMMDD", or empty to read the database and the machine's clock.
  HostClock(Database& database, std::string configuredDate);

  // Today as "YYYYMMDD".
  std::string Today();
  // The current year-month as "YYYYMM".
  std::string YearMonth();
  // Today with the time of day: midnight for a configured date, the machine's time otherwise.
  base::DateTime Now();

  // Whether text is a valid calendar date "YYYYMMDD".
  static bool IsDate(const std::string& text);

 private:
  // The value of a system parameter, or empty when there is none.
  std::string Parameter(const char* name);

  Database& database_;
  std::string configuredDate_;
};

}  // namespace refhost
