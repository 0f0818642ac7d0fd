#pragma once
// Conversions between the automation date-time (days since 1899-12-30) and calendar
// fields, for timestamps that cross the ODBC API and dates written as text.
#include "base/Variant.h"

namespace refhost {

// Calendar date and time of day; seconds are whole.
struct CivilTime {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

// The date-time of the calendar fields.
base::DateTime ToDateTime(const CivilTime& civil);
// The calendar fields of a date-time, rounded to the second.
CivilTime ToCivil(base::DateTime value);

}  // namespace refhost
