#pragma once
// Calendar texts of the generated data: year-months "YYYYMM" and dates "YYYYMMDD".
#include <string>
#include <string_view>
#include <vector>

namespace refhost {

// The days of the month of a year-month "YYYYMM".
int DaysInMonth(std::string_view yearMonth);
// The year-month before yearMonth ("200501" gives "200412").
std::string PreviousMonth(std::string_view yearMonth);
// count year-months ending with last, oldest first.
std::vector<std::string> MonthsEndingWith(std::string_view last, int count);
// The date "YYYYMMDD" of a day of the year-month.
std::string DateOf(std::string_view yearMonth, int day);

}  // namespace refhost
