#include "refhost/generator/DataGenerator.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "refhost/engine/Database.h"
#include "refhost/engine/Transaction.h"
#include "refhost/generator/Calendar.h"
#include "refhost/schema/BusinessTables.h"
#include "refhost/schema/SchemaBuilder.h"

namespace refhost {

GeneratorSizes SizesForScale(long long scale) {
  GeneratorSizes sizes;
  sizes.billLines = scale;
  sizes.rebateLines = std::max<long long>(2, scale / 2);
  sizes.units = scale < 1000 ? 3 : scale < 100000 ? 5 : 8;
  sizes.departmentsPerUnit = scale < 1000 ? 2 : scale < 100000 ? 4 : 8;
  sizes.suppliers = static_cast<int>(std::clamp<long long>(scale / 10, 6, 5000));
  sizes.goods = static_cast<int>(std::clamp<long long>(scale / 5, 10, 50000));
  sizes.formsPerMonth = static_cast<int>(std::clamp<long long>(scale / 50, 4, 20000));
  sizes.plansPerMonth = static_cast<int>(std::clamp<long long>(scale / 100, 3, 10000));
  return sizes;
}

DataGenerator::DataGenerator(Database& database, GeneratorOptions options)
    : database_(database), options_(std::move(options)) {
  if (options_.scale < 1) throw std::invalid_argument("the scale must be 1 or more");
  if (options_.months < 1 || options_.months > 120)
    throw std::invalid_argument("the number of months must be from 1 to 120");
  CheckYearMonth(options_.currentMonth);
  if (options_.currentDay < 1 || options_.currentDay > DaysInMonth(options_.currentMonth))
    throw std::invalid_argument("the current day lies outside " + options_.currentMonth);
  sizes_ = SizesForScale(options_.scale);
  months_ = MonthsEndingWith(options_.currentMonth, options_.months);
}

Random DataGenerator::StreamFor(const std::string& part) const {
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a of the part's name
  for (unsigned char c : part) hash = (hash ^ c) * 1099511628211ull;
  return Random(options_.seed * 0x9E3779B97F4A7C15ull ^ hash);
}

BulkInserter DataGenerator::Inserter(const TableDef& table) {
  return BulkInserter(database_, table.name, table.ColumnNames(), table.ColumnKinds());
}

void DataGenerator::Finish(BulkInserter& inserter) {
  inserter.Flush();
  written_[inserter.Table()] += inserter.RowsWritten();
}

void DataGenerator::Insert(const TableDef& table,
                           const std::vector<std::vector<base::Variant>>& rows) {
  BulkInserter inserter = Inserter(table);
  for (const auto& row : rows) inserter.Add(row);
  Finish(inserter);
}

// A day of the month, never after the clock's date.
std::string DataGenerator::DayOf(const std::string& month, Random& random) const {
  const int last = month == options_.currentMonth ? options_.currentDay : DaysInMonth(month);
  return DateOf(month, static_cast<int>(random.Between(1, last)));
}

// A day from date's day to the end of its month, never after the clock's date.
std::string DataGenerator::LaterDay(const std::string& date, Random& random) const {
  const std::string month = date.substr(0, 6);
  const int last = month == options_.currentMonth ? options_.currentDay : DaysInMonth(month);
  return DateOf(month, static_cast<int>(random.Between(std::stoi(date.substr(6, 2)), last)));
}

// Document numbers begin with their date: the date, then a four-digit sequence.
std::string DataGenerator::NextNumber(std::map<std::string, int>& counters,
                                      const std::string& date) {
  char sequence[16];
  std::snprintf(sequence, sizeof sequence, "%04d", ++counters[date]);
  return date + sequence;
}

std::map<std::string, long long> DataGenerator::Run() {
  if (database_.TableExists("tbSysMsg") &&
      !database_.Query("SELECT f_Csmc FROM tbSysMsg").rows.empty())
    throw std::runtime_error(
        "the database already holds data (tbSysMsg has rows); generate into a new database");
  if (database_.GetDialect() == Dialect::SQLite) {
    // Write-ahead logging stays with the file; unsynchronised writes only while filling.
    database_.Execute("PRAGMA journal_mode=WAL");
    database_.Execute("PRAGMA synchronous=OFF");
  }
  CreateSchema(database_);
  for (const std::string& month : months_) CreateMonthTables(database_, month);

  Transaction transaction(database_);
  GenerateOrganisation();
  GenerateParties();
  GenerateChannels();
  GenerateSettings();
  for (const std::string& month : months_) {
    GeneratePriceAdjustments(month);
    GenerateRebates(month);
    GeneratePayables(month);
    GenerateApprovalForms(month);
    GeneratePaymentPlans(month);
  }
  for (const std::string& month : months_)
    Insert(MonthlyTable("tdsfb", month), receipts_[month]);
  Insert(FixedTable("tbFkd"), vouchers_);
  transaction.Commit();

  if (database_.GetDialect() == Dialect::SQLite) database_.Execute("PRAGMA synchronous=NORMAL");
  return written_;
}

}  // namespace refhost
