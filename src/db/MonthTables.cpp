#include "db/MonthTables.h"

#include <algorithm>
#include <stdexcept>

namespace db {

namespace {

constexpr std::string_view kPlaceholder = "tb000000";

struct YearMonth {
  int year;
  int month;
};

[[noreturn]] void Malformed(std::string_view value) {
  throw std::invalid_argument("年月格式错误：\"" + std::string(value) + "\"（应为YYYYMM）");
}

int Digits(std::string_view text) {
  int n = 0;
  for (char c : text) n = n * 10 + (c - '0');
  return n;
}

// Checks the first six characters of `text`; the rest (a day, say) is not looked at.
YearMonth ParseYearMonth(std::string_view text, std::string_view whole) {
  if (text.size() < 6 ||
      !std::all_of(text.begin(), text.begin() + 6, [](char c) { return c >= '0' && c <= '9'; }))
    Malformed(whole);
  const YearMonth ym{Digits(text.substr(0, 4)), Digits(text.substr(4, 2))};
  if (ym.year < 1 || ym.month < 1 || ym.month > 12) Malformed(whole);
  return ym;
}

// A year-month proper: exactly six characters.
YearMonth ParseExact(std::string_view text) {
  if (text.size() != 6) Malformed(text);
  return ParseYearMonth(text, text);
}

std::string Format(YearMonth ym) {
  std::string text(6, '0');
  for (int i = 3, y = ym.year; i >= 0; --i, y /= 10) text[i] = static_cast<char>('0' + y % 10);
  text[4] = static_cast<char>('0' + ym.month / 10);
  text[5] = static_cast<char>('0' + ym.month % 10);
  return text;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

std::string PreviousMonth(std::string_view yearMonth) {
  const YearMonth ym = ParseExact(yearMonth);
  if (ym.month > 1) return Format({ym.year, ym.month - 1});
  if (ym.year == 1) Malformed(yearMonth);  // there is no year 0000
  return Format({ym.year - 1, 12});
}

void ListMonths(std::string_view first, std::string_view last, std::vector<std::string>& months) {
  months.clear();
  // Both ends are checked before the walk: a malformed first month would otherwise
  // give an empty list or a walk down to year 0001, depending on how it compares.
  ParseExact(first);
  ParseExact(last);
  for (std::string month(last); month >= first;) {
    months.push_back(month);
    if (month == first) break;
    month = PreviousMonth(month);
  }
}

std::string BuildMonthUnion(std::string_view sqlTemplate, std::string_view first,
                            std::string_view last) {
  std::vector<std::string> months;
  ListMonths(first, last, months);
  std::sort(months.begin(), months.end());
  std::string result;
  for (std::size_t i = 0; i < months.size(); ++i) {
    if (i > 0) result += " Union All ";
    result += ReplaceAll(std::string(sqlTemplate), kPlaceholder, "tb" + months[i]);
  }
  return result;
}

int DaysInMonth(std::string_view yearMonth) {
  const YearMonth ym = ParseYearMonth(yearMonth, yearMonth);
  switch (ym.month) {
    case 2: {
      const bool leap = (ym.year % 4 == 0 && ym.year % 100 != 0) || ym.year % 400 == 0;
      return leap ? 29 : 28;
    }
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
  }
}

}  // namespace db
