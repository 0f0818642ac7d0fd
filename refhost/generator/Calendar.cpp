#include "refhost/generator/Calendar.h"

#include <algorithm>
#include <cstdio>

namespace refhost {

namespace {

int YearOf(std::string_view yearMonth) { return std::stoi(std::string(yearMonth.substr(0, 4))); }
int MonthOf(std::string_view yearMonth) { return std::stoi(std::string(yearMonth.substr(4, 2))); }

std::string YearMonth(int year, int month) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d", year, month);
  return text;
}

}  // namespace

int DaysInMonth(std::string_view yearMonth) {
  const int year = YearOf(yearMonth), month = MonthOf(yearMonth);
  if (month == 2) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
  return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

std::string PreviousMonth(std::string_view yearMonth) {
  const int year = YearOf(yearMonth), month = MonthOf(yearMonth);
  return month == 1 ? YearMonth(year - 1, 12) : YearMonth(year, month - 1);
}

std::vector<std::string> MonthsEndingWith(std::string_view last, int count) {
  std::vector<std::string> months{std::string(last)};
  while (static_cast<int>(months.size()) < count) months.push_back(PreviousMonth(months.back()));
  std::reverse(months.begin(), months.end());
  return months;
}

std::string DateOf(std::string_view yearMonth, int day) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", day);
  return std::string(yearMonth) + text;
}

}  // namespace refhost
