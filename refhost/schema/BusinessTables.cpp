#include "refhost/schema/BusinessTables.h"

#include <stdexcept>
#include <string>

#include "refhost/engine/NoCase.h"

namespace refhost {

namespace {

// Widths: codes 20, accounting units 12, dates 8, year-months 6, flags 1, names 60
// (partners and goods 100), remarks 255. Amounts and quantities are numbers.
ColumnDef Text(const char* name, int width) { return {name, ValueKind::Text, width, false}; }
ColumnDef Code(const char* name) { return Text(name, 20); }
ColumnDef Unit(const char* name) { return Text(name, 12); }
ColumnDef Date(const char* name) { return Text(name, 8); }
ColumnDef Flag(const char* name) { return Text(name, 1); }
ColumnDef Name(const char* name) { return Text(name, 60); }
ColumnDef Remark(const char* name) { return Text(name, 255); }
ColumnDef Number(const char* name) { return {name, ValueKind::Number, 0, false}; }
ColumnDef Integer(const char* name) { return {name, ValueKind::Integer, 0, false}; }
// A document number that the screens test with = '' to mean "not yet".
ColumnDef OptionalNumber(const char* name) { return {name, ValueKind::Text, 20, true}; }

std::vector<TableDef> BuildFixedTables() {
  return {
      // Master data.
      {"tbCsda", {Code("f_Csbm"), Text("f_Csmc", 100), Text("f_Dh", 30), Text("f_Lxr", 30)},
       {"f_Csbm"}, {}},
      {"tbZffs", {Code("f_Zffsbm"), Name("f_Zffsmc")}, {"f_Zffsbm"}, {}},
      {"tbHsdwda", {Unit("f_Hsdwh"), Name("f_Hsdwmc")}, {"f_Hsdwh"}, {}},
      {"tbZbhsdwdz", {Code("f_Zbbm"), Unit("f_Hsdwh"), Flag("f_Jsbz")}, {"f_Zbbm", "f_Hsdwh"}, {}},
      {"tbzyfghsdw", {Code("f_zybm"), Unit("f_hsdwh")}, {"f_zybm", "f_hsdwh"}, {}},
      {"tbbmda", {Code("f_bmbm"), Name("f_Bmmc"), Unit("f_hsdwh")}, {"f_bmbm"},
       {{"unit", {"f_hsdwh", "f_bmbm"}}}},
      {"tbspda", {Code("f_spbm"), Text("f_Spmc", 100)}, {"f_spbm"}, {}},
      {"tbTdda", {Code("f_Tdbm"), Name("f_Tdmc"), Flag("f_Czfs")}, {"f_Tdbm"}, {}},
      {"tbTdclxmda",
       {Code("f_Tdbm"), Code("f_Clxmbm"), Name("f_Clxmmc"), Unit("f_hsdwh"), Number("f_sfbz"),
        Integer("f_jb"), Integer("f_mj")},
       {"f_Clxmbm"},
       {{"channel", {"f_Tdbm"}}}},
      {"tbGysfddy", {Text("f_Fdlx", 2), Name("f_Fdmc")}, {"f_Fdlx"}, {}},
      {"tbyyda", {Code("f_yybm"), Name("f_yymc")}, {"f_yybm"}, {}},
      {"tbSysMsg", {Text("f_Csmc", 40), Remark("f_Csz")}, {"f_Csmc"}, {}},
      // Operators (the operator-name call) and code structures (the supplier-coding call).
      {"tbZyda", {Code("f_Zybm"), Text("f_Zymc", 20), Unit("f_Hsdwh")}, {"f_Zybm"}, {}},
      {"tbBmjg", {Integer("f_Bmlx"), Text("f_Bmjg", 12)}, {"f_Bmlx"}, {}},
      // Item mapping, written by the library's settings dialog.
      {"tbTdxmdz",
       {Text("f_Lxbm", 10), Code("f_Tdbm"), Code("f_Xmbm"), Flag("f_Zt"), Remark("f_bz"),
        Flag("f_sfsc")},
       {"f_Lxbm"}, {}},
      // Contracts.
      {"tbGysht_zb",
       {Code("f_gysbm"), Code("f_Hth"), Flag("f_htlx"), Flag("f_htzt"), Number("f_fdde1"),
        Number("f_fdde2"), Number("f_fdde3"), Number("f_fdde4"), Number("f_fdde5"),
        Number("f_fdde6")},
       {"f_Hth"},
       {{"quota", {"f_htlx", "f_htzt", "f_gysbm"}}}},
      {"tbgysjsxx", {Code("f_gysbm"), Code("f_zffsbm")}, {"f_gysbm"}, {}},
      // Approval forms: header and lines, as the host stores them from the lines' packet.
      {"tbTdspzb",
       {Code("f_Djh"), Unit("f_hsdwh"), Date("f_Zdrq"), Code("f_zdrbm"), Code("f_zdrmc"),
        Date("f_rzrq"), Date("f_fkrq"), Code("f_Gysbm"), Code("f_Tdbm"), Date("f_Qsrq"),
        Date("f_Jsrq"), Code("f_zffsbm"), Remark("f_bz"), Unit("f_zdrhsdwh"), Flag("f_Zt"),
        OptionalNumber("f_Fkspdh"), Code("f_Fylx"), Number("f_fkys"), Code("f_lxr"),
        Text("f_dh", 30), Remark("f_fptt"), Code("f_sprbm"), Code("f_sprmc"), Code("f_zzrbm"),
        Code("f_zzrmc"), Name("f_zzbz")},
       {"f_hsdwh", "f_Djh"},
       {{"payable", {"f_Zt", "f_Fkspdh", "f_rzrq"}}}},
      {"tbTdspcb",
       {Unit("f_hsdwh"), Code("f_Djh"), Integer("f_dnxh"), Code("f_xmbm"), Name("f_xmmc"),
        Number("f_ysje"), Number("f_zkl"), Number("f_ssje"), Number("f_sfbz"), Name("f_zkyybz"),
        Name("f_clspbz"), Name("f_qtbz")},
       {"f_hsdwh", "f_Djh", "f_dnxh"}, {}},
      // Payment plans: one or more lines per plan number, summed per plan.
      {"tbfkjhb",
       {Code("f_Djh"), Integer("f_Xh"), Date("f_Zdrq"), Code("f_zdrbm"), Code("f_zdrmc"),
        Code("f_Gysbm"), Unit("f_hsdwh"), Number("f_Spje"), Code("f_Hkyf"), Remark("f_bz"),
        Integer("f_Zt"), OptionalNumber("f_spdh")},
       {"f_Djh", "f_Xh"},
       {{"payable", {"f_Zt", "f_spdh", "f_Zdrq"}}}},
      // Payment vouchers, one row per voucher, as the host stores them from the packet.
      {"tbFkd",
       {Code("f_Djh"), Date("f_Zdrq"), Code("f_Gysbm"), Unit("f_hsdwh"), Number("f_Yfye"),
        Number("f_Spje"), Number("f_Fkje"), Code("f_Zffsbm"), Code("f_Zdrbm"), Code("f_Zdrmc"),
        Code("f_Fkyybm"), Code("f_Hkyf"), Remark("f_bz"), Code("f_TdDjh"), Integer("f_Flag")},
       {"f_Djh"},
       {{"source", {"f_TdDjh"}}}},
      // Generation log: one row per approval form the host stores.
      {"tbTdautoLog",
       {Unit("f_hsdwh"), Code("f_Gysbm"), Code("f_Fylx"), Date("f_Qsrq"), Date("f_Jsrq"),
        Date("f_Zdrq"), Code("f_Zdrbm"), Code("f_Zdrmc"), Code("f_Sph")},
       {"f_hsdwh", "f_Sph"},
       {{"supplier", {"f_hsdwh", "f_Gysbm", "f_Fylx"}}}},
  };
}

std::vector<TableDef> BuildMonthlyTemplates() {
  return {
      {"tb000000_Tjjzb",
       {Code("f_bmbm"), Code("f_djh"), Code("f_Gysbm"), Flag("f_Tjjlx"), Date("f_Rzrq")},
       {"f_bmbm", "f_djh"},
       {{"supplier", {"f_Gysbm"}}}},
      {"tb000000_Tjjcb",
       {Code("f_bmbm"), Code("f_djh"), Integer("f_Dnxh"), Code("f_Spbm"), Number("f_Tzsl"),
        Number("f_Tqje"), Number("f_Tqsj"), Number("f_Thje"), Number("f_Thsj")},
       {"f_bmbm", "f_djh", "f_Dnxh"}, {}},
      {"tb000000_Gysfl",
       {Flag("f_fdlx"), Code("f_Gysbm"), Code("f_bmbm"), Text("f_Flny", 6), Code("f_Djh"),
        Integer("f_Dnxh"), Code("f_Spbm"), Number("f_Gjsl"), Number("f_Gjje"), Number("f_Gjsj"),
        Number("f_Fd"), Number("f_Fdje"), Number("f_Fdsj")},
       {"f_bmbm", "f_Djh", "f_Dnxh"},
       {{"supplier", {"f_Gysbm", "f_fdlx"}}}},
      {"tb000000_tdsfb", {Unit("f_hsdwh"), Code("f_sph"), Number("f_skje")}, {},
       {{"form", {"f_hsdwh", "f_sph"}}}},
      {"tb000000_Jsyfzk",
       {Code("f_gysbm"), Unit("f_hsdwh"), Number("f_qcye"), Number("f_yfje"), Number("f_fkje")},
       {"f_gysbm", "f_hsdwh"}, {}},
  };
}

void ReplacePlaceholder(std::string& text, std::string_view yearMonth) {
  for (std::size_t at = text.find("000000"); at != std::string::npos;
       at = text.find("000000", at + yearMonth.size()))
    text.replace(at, 6, yearMonth);
}

}  // namespace

const std::vector<TableDef>& FixedTables() {
  static const std::vector<TableDef> tables = BuildFixedTables();
  return tables;
}

const std::vector<TableDef>& MonthlyTableTemplates() {
  static const std::vector<TableDef> tables = BuildMonthlyTemplates();
  return tables;
}

void CheckYearMonth(std::string_view text) {
  bool digits = text.size() == 6;
  for (char c : text) digits = digits && c >= '0' && c <= '9';
  const int month = digits ? (text[4] - '0') * 10 + (text[5] - '0') : 0;
  if (!digits || month < 1 || month > 12)
    throw std::invalid_argument("not a year-month YYYYMM: \"" + std::string(text) + "\"");
}

TableDef MonthlyTable(const TableDef& monthlyTemplate, std::string_view yearMonth) {
  CheckYearMonth(yearMonth);
  TableDef table = monthlyTemplate;
  ReplacePlaceholder(table.name, yearMonth);
  return table;
}

const TableDef* FindFixedTable(std::string_view name) {
  for (const TableDef& table : FixedTables())
    if (EqualsNoCase(table.name, name)) return &table;
  return nullptr;
}

const TableDef& FixedTable(std::string_view name) {
  if (const TableDef* table = FindFixedTable(name)) return *table;
  throw std::out_of_range("no table " + std::string(name));
}

TableDef MonthlyTable(std::string_view baseName, std::string_view yearMonth) {
  for (const TableDef& monthlyTemplate : MonthlyTableTemplates())
    if (EqualsNoCase(std::string_view(monthlyTemplate.name).substr(9), baseName))
      return MonthlyTable(monthlyTemplate, yearMonth);
  throw std::out_of_range("no monthly table " + std::string(baseName));
}

}  // namespace refhost
