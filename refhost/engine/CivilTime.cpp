#include "refhost/engine/CivilTime.h"

#include <cmath>

namespace refhost {

namespace {

// Day 0 of the automation calendar (1899-12-30) lies 25569 days before 1970-01-01.
constexpr long long kEpochOffset = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

base::DateTime ToDateTime(const CivilTime& civil) {
  const long long days = DaysFromCivil(civil.year, civil.month, civil.day) + kEpochOffset;
  const double seconds = civil.hour * 3600.0 + civil.minute * 60.0 + civil.second;
  return base::DateTime{static_cast<double>(days) + seconds / 86400.0};
}

CivilTime ToCivil(base::DateTime value) {
  const double whole = std::floor(value.days);
  long long seconds = std::llround((value.days - whole) * 86400.0);
  const long long days = static_cast<long long>(whole) + seconds / 86400 - kEpochOffset;
  seconds %= 86400;
  const long long z = days + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  CivilTime civil;
  civil.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  civil.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  civil.year = static_cast<int>(yoe + era * 400 + (civil.month <= 2 ? 1 : 0));
  civil.hour = static_cast<int>(seconds / 3600);
  civil.minute = static_cast<int>(seconds / 60 % 60);
  civil.second = static_cast<int>(seconds % 60);
  return civil;
}

}  // namespace refhost
