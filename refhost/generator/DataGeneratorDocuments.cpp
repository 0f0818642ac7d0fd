// DataGenerator: approval forms with their lines and log rows, received payments,
// payment plans and payment vouchers, in every state the screens tell apart.
#include <algorithm>
#include <cstdio>

#include "refhost/generator/Calendar.h"
#include "refhost/generator/DataGenerator.h"
#include "refhost/schema/BusinessTables.h"

namespace refhost {

namespace {

// What an approval form charges: its channel, fee type, remark of its lines, items.
struct FormKind {
  std::string channel;
  std::string feeType;  // f_Fylx: "0", "10n", "20n", or empty for a batch-imported form
  std::string remark;
  int firstItem = 0;
  int itemCount = 1;
};

}  // namespace

std::string DataGenerator::AddVoucher(const std::string& date, std::vector<base::Variant> fields) {
  const std::string number = NextNumber(voucherNumbers_, date);
  fields.insert(fields.begin(), {number, date});
  vouchers_.push_back(std::move(fields));
  return number;
}

void DataGenerator::GenerateApprovalForms(const std::string& month) {
  Random random = StreamFor("forms" + month);
  BulkInserter headers = Inserter(FixedTable("tbTdspzb"));
  BulkInserter lines = Inserter(FixedTable("tbTdspcb"));
  BulkInserter log = Inserter(FixedTable("tbTdautoLog"));
  const std::string start = DateOf(month, 1);
  const std::string end = DateOf(month, DaysInMonth(month));
  for (int f = 0; f < sizes_.formsPerMonth; ++f) {
    const std::string date = DayOf(month, random);
    const std::string number = NextNumber(formNumbers_, date);
    const std::string unit =
        random.Chance(0.1) ? units_[0] : units_[1 + random.Below(static_cast<int>(units_.size()) - 1)];
    const Operator& maker = random.Pick(operators_);
    const Supplier& supplier = random.Pick(suppliers_);

    FormKind kind;
    const std::int64_t draw = random.Below(4);
    if (draw == 0) {
      kind = {"15", "0", "退补自动生成", 0, static_cast<int>(random.Between(1, 3))};
    } else if (draw < 3) {
      const int type = static_cast<int>(random.Between(1, 5));
      kind = {"16", (draw == 1 ? "10" : "20") + std::to_string(type),
              draw == 1 ? "返点自动生成" : "返点定额自动生成", type - 1, 1};
    } else {
      const std::string channel = "1" + std::to_string(random.Between(1, 4));
      kind = {channel, "", "成批导入", 0, static_cast<int>(random.Between(1, 2))};
    }
    const std::vector<Item>& items = channelItems_.at(kind.channel);

    // '0' made, '1' submitted, '2' approved and payable.
    const std::int64_t stateDraw = random.Below(100);
    const std::string state = stateDraw < 20 ? "0" : stateDraw < 35 ? "1" : "2";
    double total = 0;
    for (int i = 0; i < kind.itemCount; ++i) {
      const Item& item = items[static_cast<std::size_t>(kind.firstItem + i) % items.size()];
      const double receivable = random.Money(200, 20000);
      const double discount = random.Chance(0.8) ? 100.0 : 90.0 + 5 * random.Below(2);
      const double charged = RoundCents(receivable * discount / 100.0);
      total += charged;
      lines.Add({unit, number, i, item.code, item.name, receivable, discount, charged, 0.0, "", "",
                 kind.remark});
    }
    total = RoundCents(total);

    std::string voucher;
    if (state == "2" && random.Chance(0.35)) {
      const std::string paid = LaterDay(date, random);
      voucher = AddVoucher(paid, {supplier.code, unit, 0.0, total, total,
                                  random.Pick(paymentMethods_), maker.code, maker.name,
                                  kind.channel, start + "-" + end, number + "自动生成", number, 0});
    } else if (state == "2") {
      // Received payments: a quarter in full, a quarter in part, in this or a later month.
      const std::int64_t receiptDraw = random.Below(4);
      if (receiptDraw < 2) {
        const double share = receiptDraw == 0 ? 1.0 : random.Between(40, 90) / 100.0;
        const std::size_t first = static_cast<std::size_t>(
            std::find(months_.begin(), months_.end(), month) - months_.begin());
        const std::string& receiptMonth =
            months_[first + static_cast<std::size_t>(random.Below(static_cast<int>(months_.size() - first)))];
        receipts_[receiptMonth].push_back({unit, number, RoundCents(total * share)});
      }
    }

    const bool posted = state != "0";
    headers.Add({number, unit, date, maker.code, maker.name, posted ? date : "", date,
                 supplier.code, kind.channel, start, end, random.Pick(paymentMethods_),
                 kind.feeType.empty() ? "门店费用" : "", maker.unit,
                 state, voucher, kind.feeType, 1.0, supplier.contact, supplier.phone, "",
                 state == "2" ? base::Variant(operators_[0].code) : base::Variant(base::Null{}),
                 state == "2" ? base::Variant(operators_[0].name) : base::Variant(base::Null{}),
                 base::Null{}, base::Null{}, base::Null{}});
    log.Add({unit, supplier.code, kind.feeType, start, end, date, maker.code, maker.name, number});
  }
  Finish(headers);
  Finish(lines);
  Finish(log);
}

void DataGenerator::GeneratePaymentPlans(const std::string& month) {
  Random random = StreamFor("plans" + month);
  BulkInserter plans = Inserter(FixedTable("tbfkjhb"));
  for (int p = 0; p < sizes_.plansPerMonth; ++p) {
    char number[32];
    std::snprintf(number, sizeof number, "JH%s%05d", month.c_str(), p + 1);
    const std::string date = DayOf(month, random);
    const Operator& maker = random.Pick(operators_);
    const Supplier& supplier = random.Pick(suppliers_);
    const std::string& unit = units_[1 + random.Below(static_cast<int>(units_.size()) - 1)];
    // 0 made, 1 payable, 2 closed.
    const std::int64_t stateDraw = random.Below(100);
    const int state = stateDraw < 20 ? 0 : stateDraw < 80 ? 1 : 2;
    std::vector<double> amounts(static_cast<std::size_t>(random.Between(1, 3)));
    double total = 0;
    for (double& amount : amounts) {
      amount = random.Money(1000, 100000);
      total += amount;
    }
    const std::string goodsMonth = PreviousMonth(month);
    const std::string remark = goodsMonth + "货款结算";
    std::string voucher;
    if (state == 1 && random.Chance(0.35)) {
      const std::string paid = LaterDay(date, random);
      voucher = AddVoucher(paid, {supplier.code, unit, 0.0, RoundCents(total), RoundCents(total), "03",
                                  maker.code, maker.name, "1001", goodsMonth, remark,
                                  std::string(number), 1});
    }
    for (std::size_t line = 0; line < amounts.size(); ++line)
      plans.Add({std::string(number), static_cast<int>(line + 1), date, maker.code, maker.name,
                 supplier.code, unit, amounts[line], goodsMonth, remark, state, voucher});
  }
  Finish(plans);
}

}  // namespace refhost
