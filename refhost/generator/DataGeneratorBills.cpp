// DataGenerator: the monthly price-adjustment bills, rebate bills and payable accounts.
#include <cstdio>

#include "refhost/generator/DataGenerator.h"
#include "refhost/schema/BusinessTables.h"

namespace refhost {

namespace {

// A supplier code that the bills use but the partner table lacks.
constexpr const char* kUnknownSupplier = "99990001";
constexpr double kTaxRate = 0.13;

std::string BillNumber(const char* prefix, const std::string& month, long long sequence) {
  char text[24];
  std::snprintf(text, sizeof text, "%06lld", sequence);
  return prefix + month + text;
}

}  // namespace

void DataGenerator::GeneratePriceAdjustments(const std::string& month) {
  Random random = StreamFor("adjustments" + month);
  BulkInserter headers = Inserter(MonthlyTable("Tjjzb", month));
  BulkInserter lines = Inserter(MonthlyTable("Tjjcb", month));
  long long remaining = sizes_.billLines;
  for (long long bill = 1; remaining > 0; ++bill) {
    const std::string number = BillNumber("TB", month, bill);
    // Kinds: '0' sales (a store's department), '1' consignment distribution (any
    // department but 0000), '2' headquarters (half of them in the distribution centre).
    const std::int64_t draw = random.Below(4);
    const std::string kind = draw < 2 ? "0" : draw == 2 ? "1" : "2";
    std::string department = random.Pick(storeDepartments_);
    if (kind == "2" && random.Chance(0.5)) department = "0000";
    const std::string supplier =
        random.Chance(0.01) ? std::string(kUnknownSupplier) : random.Pick(suppliers_).code;
    headers.Add({department, number, supplier, kind, DayOf(month, random)});
    const long long count = std::min<long long>(remaining, random.Between(1, 8));
    for (long long line = 1; line <= count; ++line) {
      const double quantity = static_cast<double>(random.Between(1, 500));
      const double oldPrice = random.Money(1, 200);
      // Mostly cuts; one line in twenty raises the price.
      const double factor = random.Chance(0.05) ? 1.05 : 0.85 + random.Below(14) / 100.0;
      const double before = RoundCents(quantity * oldPrice);
      const double after = RoundCents(quantity * RoundCents(oldPrice * factor));
      lines.Add({department, number, static_cast<int>(line), random.Pick(goods_), quantity, before,
                 RoundCents(before * kTaxRate), after, RoundCents(after * kTaxRate)});
    }
    remaining -= count;
  }
  Finish(headers);
  Finish(lines);
}

void DataGenerator::GenerateRebates(const std::string& month) {
  Random random = StreamFor("rebates" + month);
  BulkInserter lines = Inserter(MonthlyTable("Gysfl", month));
  long long remaining = sizes_.rebateLines;
  for (long long bill = 1; remaining > 0; ++bill) {
    const std::string number = BillNumber("FL", month, bill);
    const std::string type = std::to_string(random.Between(1, 6));
    const std::string supplier = random.Pick(suppliers_).code;
    const std::string department = random.Pick(storeDepartments_);
    const double points = random.Between(5, 50) / 10.0;
    const long long count = std::min<long long>(remaining, random.Between(1, 6));
    for (long long line = 1; line <= count; ++line) {
      const double quantity = static_cast<double>(random.Between(10, 2000));
      const double amount = RoundCents(quantity * random.Money(1, 100));
      const double tax = RoundCents(amount * kTaxRate);
      const double rebate = RoundCents((amount + tax) * points / 100.0);
      lines.Add({type, supplier, department, month, number, static_cast<int>(line),
                 random.Pick(goods_), quantity, amount, tax, points, rebate,
                 RoundCents(rebate * kTaxRate / (1 + kTaxRate))});
    }
    remaining -= count;
  }
  Finish(lines);
}

void DataGenerator::GeneratePayables(const std::string& month) {
  Random random = StreamFor("payables" + month);
  BulkInserter accounts = Inserter(MonthlyTable("Jsyfzk", month));
  for (const Supplier& supplier : suppliers_) {
    for (std::size_t u = 1; u < units_.size(); ++u) {
      if (!random.Chance(0.6)) continue;
      const double opening = random.Money(0, 200000);
      const double payable = random.Money(0, 100000);
      const double paid = RoundCents(std::min(opening + payable, random.Money(0, 120000)));
      accounts.Add({supplier.code, units_[u], opening, payable, paid});
    }
  }
  Finish(accounts);
}

}  // namespace refhost
