// DataGenerator: master data, item mapping, contracts and system parameters.
#include <cstdio>

#include "refhost/generator/Calendar.h"
#include "refhost/generator/DataGenerator.h"
#include "refhost/generator/DemoNames.h"
#include "refhost/schema/BusinessTables.h"

namespace refhost {

namespace {

using Row = std::vector<base::Variant>;

std::string Format(const char* pattern, int a, int b = 0, int c = 0) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, a, b, c);
  return text;
}

const char* const kUnitNames[] = {"总部",   "南京路店", "淮海路店", "徐家汇店",
                                  "浦东店", "虹口店",   "闵行店",   "宝山店"};

const char* const kRebateTypes[] = {"年度返点", "季度返点", "月度返点",
                                    "促销返点", "进货返点", "其他返点"};

// A display item: channel, code, name, level, leaf flag, standard fee.
struct ItemRow {
  const char* channel;
  const char* code;
  const char* name;
  int level;
  int leaf;
  double fee;
};

// Channels 11 to 14 carry the fees a store charges for space and promotion; 15 the
// price adjustments and 16 the rebates (the item mapping points there); 17 has a
// storage mode other than physical or virtual; items of channel 99 have no channel.
const ItemRow kItems[] = {
    {"11", "1101", "堆头费", 1, 0, 0},         {"11", "110101", "普通堆头费", 2, 1, 800},
    {"11", "110102", "节日堆头费", 2, 1, 1500}, {"11", "1102", "地堆费", 1, 1, 600},
    {"12", "1201", "端架费", 1, 0, 0},         {"12", "120101", "主通道端架费", 2, 1, 1200},
    {"12", "120102", "次通道端架费", 2, 1, 700}, {"13", "1301", "广告费", 1, 0, 0},
    {"13", "130101", "海报广告费", 2, 1, 300},   {"13", "130102", "广播广告费", 2, 1, 200},
    {"14", "1401", "促销费", 1, 0, 0},         {"14", "140101", "店庆费", 2, 1, 2000},
    {"14", "140102", "新品进场费", 2, 1, 3000},  {"14", "140103", "条码费", 2, 1, 500},
    {"15", "1501", "退补费", 1, 0, 0},         {"15", "150101", "总部退补", 2, 1, 0},
    {"15", "150102", "销售退补", 2, 1, 0},       {"15", "150103", "代配退补", 2, 1, 0},
    {"16", "1601", "供应商返利", 1, 0, 0},      {"16", "160101", "年度返点", 2, 1, 0},
    {"16", "160102", "季度返点", 2, 1, 0},       {"16", "160103", "月度返点", 2, 1, 0},
    {"16", "160104", "促销返点", 2, 1, 0},       {"16", "160105", "进货返点", 2, 1, 0},
    {"16", "160106", "其他返点", 2, 1, 0},       {"17", "1701", "其他费用", 1, 1, 100},
    {"99", "9901", "停用项目", 1, 1, 0},
};

}  // namespace

void DataGenerator::GenerateOrganisation() {
  std::vector<Row> units, departments, groups, operators, restrictions;
  for (int u = 0; u < sizes_.units; ++u) {
    const std::string unit = Format("%04d", u + 1);
    units_.push_back(unit);
    units.push_back({unit, std::string(kUnitNames[u % 8])});
    departments_.emplace_back();
    if (u == 0) {
      departments_[0].push_back("0000");
      departments.push_back({"0000", "配送中心", unit});
    }
    for (int d = 0; d < sizes_.departmentsPerUnit; ++d) {
      const std::string department = Format("%02d%02d", u + 1, d + 1);
      departments_[u].push_back(department);
      if (u > 0) storeDepartments_.push_back(department);
      departments.push_back({department, std::string(kUnitNames[u % 8]) + DepartmentName(d), unit});
    }
    // The last store does not take part in settlement.
    const bool settles = u == 0 || u + 1 < sizes_.units;
    groups.push_back({"01", unit, settles ? "1" : "0"});
  }
  operators_ = {{"0001", "王建国", units_[0]}, {"0002", "李晓梅", units_[1]},
                {"0003", "张伟", units_[2]}};
  for (const Operator& op : operators_) operators.push_back({op.code, op.name, op.unit});
  // Operator 0001 may use every unit of the group; the others are restricted.
  restrictions = {{"0002", units_[1]}, {"0003", units_[1]}, {"0003", units_[2]}};
  Insert(FixedTable("tbHsdwda"), units);
  Insert(FixedTable("tbbmda"), departments);
  Insert(FixedTable("tbZbhsdwdz"), groups);
  Insert(FixedTable("tbZyda"), operators);
  Insert(FixedTable("tbzyfghsdw"), restrictions);
}

void DataGenerator::GenerateParties() {
  Random random = StreamFor("parties");
  paymentMethods_ = {"01", "02", "03", "04", "05"};
  Insert(FixedTable("tbZffs"), {{"01", "现金"}, {"02", "转账支票"}, {"03", "电汇"},
                                {"04", "银行承兑汇票"}, {"05", "抵扣货款"}});

  BulkInserter partners = Inserter(FixedTable("tbCsda"));
  BulkInserter settlement = Inserter(FixedTable("tbgysjsxx"));
  BulkInserter contracts = Inserter(FixedTable("tbGysht_zb"));
  for (int i = 0; i < sizes_.suppliers; ++i) {
    // Coding 2-2-4: region, category, serial number.
    Supplier supplier;
    supplier.code = Format("%02d%02d%04d", 1 + i % 6, 1 + i / 6 % 8, 1 + i / 48);
    supplier.name = SupplierName(random);
    supplier.phone = PhoneNumber(random);
    supplier.contact = PersonName(random);
    partners.Add({supplier.code, supplier.name, supplier.phone, supplier.contact});
    // Every tenth supplier has no settlement payment method.
    if (i % 10 != 9) settlement.Add({supplier.code, random.Pick(paymentMethods_)});
    Row contract{supplier.code, "HT" + supplier.code};
    contract.push_back(random.Chance(0.7) ? "0" : std::to_string(random.Between(1, 3)));
    contract.push_back(random.Chance(0.9) ? "1" : "0");
    for (int n = 1; n <= 6; ++n)
      contract.push_back(random.Chance(0.3) ? 100.0 * random.Between(10, 500) : 0.0);
    contracts.Add(contract);
    suppliers_.push_back(std::move(supplier));
  }
  Finish(partners);
  Finish(settlement);
  Finish(contracts);

  BulkInserter goods = Inserter(FixedTable("tbspda"));
  for (int i = 0; i < sizes_.goods; ++i) {
    goods_.push_back(Format("%08d", 10000001 + i));
    goods.Add({goods_.back(), GoodsName(random)});
  }
  Finish(goods);
}

void DataGenerator::GenerateChannels() {
  Insert(FixedTable("tbTdda"), {{"11", "堆头", "1"}, {"12", "端架", "1"}, {"13", "店内广告", "0"},
                                {"14", "促销活动", "0"}, {"15", "价格退补", "0"},
                                {"16", "供应商返利", "0"}, {"17", "其他通道", "2"}});
  std::vector<Row> items;
  for (const ItemRow& item : kItems) {
    // Channel fees are booked at the head office.
    items.push_back({item.channel, item.code, item.name, units_[0], item.fee, item.level, item.leaf});
    if (item.leaf && std::string(item.channel) != "99")
      channelItems_[item.channel].push_back({item.channel, item.code, item.name});
  }
  Insert(FixedTable("tbTdclxmda"), items);

  std::vector<Row> rebateTypes, mapping;
  for (int n = 1; n <= 6; ++n) {
    rebateTypes.push_back({std::to_string(n), kRebateTypes[n - 1]});
    // Rebate type 6 is mapped but not generated.
    mapping.push_back({"10" + std::to_string(n), "16", "16010" + std::to_string(n), "0",
                       kRebateTypes[n - 1], n == 6 ? "0" : "1"});
  }
  Insert(FixedTable("tbGysfddy"), rebateTypes);
  for (int n = 1; n <= 3; ++n)
    mapping.push_back({"00" + std::to_string(n), "15", "15010" + std::to_string(n), "0",
                       base::Null{}, base::Null{}});
  mapping.push_back({"htlx", " ", "0", "0", base::Null{}, base::Null{}});
  Insert(FixedTable("tbTdxmdz"), mapping);

  // Payment reasons: the channels' codes (those beginning with 1 are joined), goods payment.
  Insert(FixedTable("tbyyda"), {{"11", "堆头费"}, {"12", "端架费"}, {"13", "广告费"},
                                {"14", "促销费"}, {"15", "退补款"}, {"16", "返利款"},
                                {"1001", "货款"}, {"2001", "其他付款"}});
}

void DataGenerator::GenerateSettings() {
  const std::string today = DateOf(options_.currentMonth, options_.currentDay);
  Insert(FixedTable("tbSysMsg"),
         {{"qyny", months_.front()},
          {"dqny", options_.currentMonth},
          {"dqrq", today},
          {"dwlx", "01"},
          {"dybm", "0001"},
          {"dwmc", "华联超市连锁有限公司"},
          {"sh", "310101123456789"},
          {"dz", "上海市南京东路100号"},
          {"lxdh", "021-63520000"},
          {"khh", "工商银行南京东路支行"},
          {"zh", "1001234509876543210"},
          {"sljd", "2"},
          {"jjkz", "0"},
          {"lskz", "1"},
          {"ysqr", "1"},
          {"zbbm", "01"}});
  // Supplier codes: two characters of region, two of category, four of serial number.
  Insert(FixedTable("tbBmjg"), {{3, "224"}});
}

}  // namespace refhost
