#pragma once
// DataGenerator: fills the business tables with the data of a retail chain, for demos
// (a handful of rows) and for scale tests (millions of bill lines per month). The
// same options always give the same rows.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "refhost/engine/BulkInserter.h"
#include "refhost/generator/Random.h"

namespace refhost {

class Database;
struct TableDef;

// What to generate.
struct GeneratorOptions {
  long long scale = 100;                // price-adjustment bill lines per month
  std::uint64_t seed = 1;               // the same seed gives the same rows
  std::string currentMonth = "200503";  // the clock's year-month (parameter dqny)
  int currentDay = 15;                  // the clock's day (parameter dqrq)
  int months = 3;                       // months with data, ending with the current one
};

// How many rows of each kind a scale gives.
struct GeneratorSizes {
  long long billLines = 0;       // price-adjustment bill lines per month
  long long rebateLines = 0;     // rebate bill lines per month
  int units = 0;                 // accounting units, the head office included
  int departmentsPerUnit = 0;
  int suppliers = 0;
  int goods = 0;
  int formsPerMonth = 0;         // approval forms
  int plansPerMonth = 0;         // payment plans
};

// The sizes for a scale (1 or more).
GeneratorSizes SizesForScale(long long scale);

class DataGenerator {
 public:
  // Throws std::invalid_argument for options out of range.
  DataGenerator(Database& database, GeneratorOptions options);

  // Creates the tables that are missing and fills them in one transaction. Returns the
  // rows written per table. Throws std::runtime_error when the database already holds
  // data (system parameters), so that nothing is overwritten.
  std::map<std::string, long long> Run();

 private:
  struct Supplier {
    std::string code, name, phone, contact;
  };
  struct Operator {
    std::string code, name, unit;
  };
  struct Item {
    std::string channel, code, name;
  };

  // A generator of its own for each part, so that parts do not shift one another.
  Random StreamFor(const std::string& part) const;
  BulkInserter Inserter(const TableDef& table);
  void Finish(BulkInserter& inserter);
  void Insert(const TableDef& table, const std::vector<std::vector<base::Variant>>& rows);
  std::string DayOf(const std::string& month, Random& random) const;
  std::string LaterDay(const std::string& date, Random& random) const;
  std::string NextNumber(std::map<std::string, int>& counters, const std::string& date);

  // Master data (DataGeneratorMaster.cpp).
  void GenerateOrganisation();
  void GenerateParties();
  void GenerateChannels();
  void GenerateSettings();
  // Monthly bills (DataGeneratorBills.cpp).
  void GeneratePriceAdjustments(const std::string& month);
  void GenerateRebates(const std::string& month);
  void GeneratePayables(const std::string& month);
  // Documents (DataGeneratorDocuments.cpp).
  void GenerateApprovalForms(const std::string& month);
  void GeneratePaymentPlans(const std::string& month);
  // Numbers a payment voucher of the date and keeps it for writing; returns its number.
  std::string AddVoucher(const std::string& date, std::vector<base::Variant> fields);

  Database& database_;
  GeneratorOptions options_;
  GeneratorSizes sizes_;
  std::vector<std::string> months_;
  std::map<std::string, long long> written_;

  std::vector<std::string> units_;                    // units_[0] is the head office
  std::vector<std::vector<std::string>> departments_; // per unit
  std::vector<std::string> storeDepartments_;         // departments of the stores
  std::vector<std::string> goods_;
  std::vector<Supplier> suppliers_;
  std::vector<Operator> operators_;
  std::vector<std::string> paymentMethods_;
  std::map<std::string, std::vector<Item>> channelItems_;  // leaf items per channel
  std::map<std::string, int> formNumbers_, voucherNumbers_;  // per date
  std::vector<std::vector<base::Variant>> vouchers_;
  std::map<std::string, std::vector<std::vector<base::Variant>>> receipts_;  // per month
};

}  // namespace refhost
