#pragma once
// The business tables of the reference host's database: master data, item mapping,
// contracts, the documents the host writes, and the monthly bill tables.
#include <string_view>
#include <vector>

#include "refhost/schema/TableDef.h"

namespace refhost {

// The tables with fixed names, in creation order.
const std::vector<TableDef>& FixedTables();

// The monthly tables, named with the placeholder year-month: "tb000000_Tjjzb", ...
const std::vector<TableDef>& MonthlyTableTemplates();

// The monthly table of one month: the template with "000000" replaced by yearMonth.
// Throws std::invalid_argument unless yearMonth is "YYYYMM"
// with a month from 01 to 12.
TableDef MonthlyTable(const TableDef& monthlyTemplate, std::string_view yearMonth);

// The fixed table of this name (any case), or nullptr.
const TableDef* FindFixedTable(std::string_view name);
// The fixed table of this name (any case); throws std::out_of_range when there is none.
const TableDef& FixedTable(std::string_view name);
// The monthly table of a base name ("Tjjzb", "tdsfb", any case) for yearMonth; throws
// std::out_of_range for an unknown base name, std::invalid_argument for a bad month.
TableDef MonthlyTable(std::string_view baseName, std::string_view yearMonth);

// Throws std::invalid_argument unless text is a year-month "YYYYMM" (month 01 to 12).
void CheckYearMonth(std::string_view text);

}  // namespace refhost
