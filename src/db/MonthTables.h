#pragma once
// Monthly tables: the host keeps one table per month ("tb200503_Gysfl"); SQL over a
// range of months is written once with the placeholder "tb000000" and expanded into
// a union. Year-months are "YYYYMM" texts and compare as text.
//
// A malformed year-month (not six digits, month outside 01-12, year 0000) is an
// error (std::invalid_argument) whose message names the value; nothing is computed
// from it, so the caller's action ends before any statement runs.
#include <string>
#include <string_view>
#include <vector>

namespace db {

// The template copied once per month from `first` to `last`, oldest first, each copy
// with every "tb000000" replaced by "tb" + month, joined by " Union All "; empty when
// `first` comes after `last`.
std::string BuildMonthUnion(std::string_view sqlTemplate, std::string_view first,
                            std::string_view last);

// Fills `months` with every year-month from `last` down to `first` (newest first).
void ListMonths(std::string_view first, std::string_view last, std::vector<std::string>& months);

// The calendar month before `yearMonth`: 200501 gives 200412.
std::string PreviousMonth(std::string_view yearMonth);

// Days in the month of a text that starts with "YYYYMM" (a date "YYYYMMDD" will do).
int DaysInMonth(std::string_view yearMonth);

}  // namespace db
