#include "refhost/service/ImportCheck.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "base/Text.h"
#include "refhost/engine/NoCase.h"
#include "refhost/service/HostClock.h"
#include "refhost/service/HostRefusal.h"
#include "refhost/service/MasterLookup.h"

namespace refhost {

namespace {

using base::Variant;
using Row = std::vector<Variant>;

// One import line as the file gave it.
struct ImportLine {
  int number = 0;  // in the file, from 1
  std::string unit, supplier, start, end, payment, item, goodsRemark, reasonRemark, otherRemark,
      invoiceTitle, remark;
  double instalments = 1, discount = 100, charged = 0;
};

// The line's values by field name, and the reasons for refusing it.
class LineReader {
 public:
  LineReader(const std::vector<data::RecordsetField>& fields, const Row& row, int number)
      : fields_(fields), row_(row), number_(number) {}

  std::string Text(const char* name) {
    const Variant* value = Find(name);
    return value == nullptr ? std::string() : base::Trim(value->ToTextOrEmpty());
  }

  double Number(const char* name, const char* title, double fallback) {
    const Variant* value = Find(name);
    if (value == nullptr || value->IsEmptyOrNull()) return fallback;
    if (value->GetType() != Variant::Type::Text) return value->ToDouble();
    const std::string text = base::Trim(value->ToText());
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) Refuse(std::string(title) + "不是数字：" + text);
    return number;
  }

  void Refuse(const std::string& reason) {
    reasons.push_back("第" + std::to_string(number_) + "行：" + reason);
  }

  std::vector<std::string> reasons;

 private:
  const Variant* Find(const char* name) const {
    for (std::size_t i = 0; i < fields_.size() && i < row_.size(); ++i)
      if (EqualsNoCase(fields_[i].name, name)) return &row_[i];
    return nullptr;
  }

  const std::vector<data::RecordsetField>& fields_;
  const Row& row_;
  int number_;
};

ImportLine ReadLine(LineReader& reader, int number) {
  ImportLine line;
  line.number = number;
  line.unit = reader.Text("f_Hsdwh");
  line.supplier = reader.Text("f_gysbm");
  line.start = reader.Text("f_qsrq");
  line.end = reader.Text("f_jsrq");
  line.payment = reader.Text("f_zffs");
  line.item = reader.Text("f_xmbm");
  line.instalments = reader.Number("f_Fkqs", "付款期数", 1);
  line.discount = reader.Number("f_Zkl", "折扣率", 100);
  line.charged = reader.Number("f_Ssje", "实收金额", 0);
  line.goodsRemark = reader.Text("f_spbz");
  line.reasonRemark = reader.Text("f_yybz");
  line.otherRemark = reader.Text("f_qtbz");
  line.invoiceTitle = reader.Text("f_fptt");
  line.remark = reader.Text("f_bz");
  return line;
}

double Round2(double value) { return std::round(value * 100) / 100; }

data::RecordsetField TextField(const char* name, int size) { return {name, data::adVarChar, size}; }
data::RecordsetField NumberField(const char* name) { return {name, data::adDouble, 0}; }

std::vector<data::RecordsetField> HeaderFields() {
  return {TextField("f_Hsdwh", 10), TextField("f_Hsdwmc", 20), TextField("f_Tdbm", 20),
          TextField("f_Tdmc", 20),  TextField("f_Gysbm", 20),  TextField("f_Gysmc", 20),
          TextField("f_Qsrq", 20),  TextField("f_Jsrq", 20),   TextField("f_Lxr", 20),
          TextField("f_Zffs", 20),  TextField("f_Spbz", 60),   TextField("f_Dh", 60),
          TextField("f_fptt", 255), TextField("f_bz", 255)};
}

std::vector<data::RecordsetField> DetailFields() {
  return {TextField("f_Xmbm", 20), TextField("f_Xmmc", 20), NumberField("f_Ysje"),
          NumberField("f_Zkl"),    NumberField("f_Ssje"),   TextField("f_spbz", 60),
          TextField("f_yybz", 60), TextField("f_qtbz", 60), TextField("f_Gysbm", 20),
          TextField("f_Qsrq", 20), TextField("f_Jsrq", 20), TextField("f_Zffs", 20),
          NumberField("f_Fkqs"),   NumberField("f_Sfbz"),   TextField("f_Hsdwh", 10),
          TextField("f_bz", 255)};
}

using GroupKey = std::tuple<std::string, std::string, std::string, std::string, std::string,
                            std::string, std::string>;

GroupKey KeyOf(const ImportLine& line) {
  return {line.unit, line.supplier, line.start, line.end, line.payment, line.remark, line.goodsRemark};
}

// The master data an import line is checked against.
struct Masters {
  explicit Masters(Database& database)
      : units(database, "SELECT f_Hsdwmc FROM tbHsdwda WHERE f_Hsdwh = ?"),
        suppliers(database, "SELECT f_Csmc, f_Lxr, f_Dh FROM tbCsda WHERE f_Csbm = ?"),
        payments(database, "SELECT f_Zffsmc FROM tbZffs WHERE f_Zffsbm = ?"),
        items(database, "SELECT f_Tdbm, f_Clxmmc, f_sfbz, f_mj FROM tbTdclxmda WHERE f_Clxmbm = ?"),
        channels(database, "SELECT f_Tdmc FROM tbTdda WHERE f_Tdbm = ?") {}
  MasterLookup units, suppliers, payments, items, channels;
};

void CheckLine(const ImportLine& line, Masters& masters, LineReader& reader) {
  if (line.unit.empty()) reader.Refuse("核算单位号为空");
  else if (!masters.units.Find(line.unit)) reader.Refuse("核算单位号" + line.unit + "不存在");
  if (line.supplier.empty()) reader.Refuse("供应商编码为空");
  else if (!masters.suppliers.Find(line.supplier)) reader.Refuse("供应商编码" + line.supplier + "不存在");
  const bool startOk = HostClock::IsDate(line.start), endOk = HostClock::IsDate(line.end);
  if (!startOk) reader.Refuse("起始日期无效：" + line.start);
  if (!endOk) reader.Refuse("结束日期无效：" + line.end);
  if (startOk && endOk && line.start > line.end) reader.Refuse("起始日期晚于结束日期");
  if (line.payment.empty()) reader.Refuse("支付方式为空");
  else if (!masters.payments.Find(line.payment)) reader.Refuse("支付方式" + line.payment + "不存在");
  const Row* item = line.item.empty() ? nullptr : masters.items.Find(line.item);
  if (line.item.empty()) reader.Refuse("项目编码为空");
  else if (item == nullptr) reader.Refuse("项目编码" + line.item + "不存在");
  else if ((*item)[3].ToTextOrEmpty() != "1") reader.Refuse("项目" + line.item + "不是末级项目");
  if (line.instalments <= 0) reader.Refuse("付款期数必须大于0");
  if (line.discount < 0) reader.Refuse("折扣率不能为负数");
}

}  // namespace

ImportForms ImportCheck::Run(data::Recordset& source) {
  const std::vector<data::RecordsetField> fields = source.Fields();
  source.MoveFirst();
  const std::vector<Row> rows = source.GetRows();
  if (rows.empty()) throw HostRefusal("没有可导入的数据");

  Masters masters(database_);
  std::vector<std::string> refusals;
  std::vector<ImportLine> lines;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    LineReader reader(fields, rows[i], static_cast<int>(i) + 1);
    ImportLine line = ReadLine(reader, static_cast<int>(i) + 1);
    CheckLine(line, masters, reader);
    refusals.insert(refusals.end(), reader.reasons.begin(), reader.reasons.end());
    lines.push_back(std::move(line));
  }
  if (!refusals.empty()) throw HostRefusal(std::move(refusals));

  // Forms in the order their first line came; each form takes one channel.
  std::map<GroupKey, std::size_t> formOf;
  std::vector<std::vector<const ImportLine*>> forms;
  for (const ImportLine& line : lines) {
    auto [it, added] = formOf.emplace(KeyOf(line), forms.size());
    if (added) forms.emplace_back();
    forms[it->second].push_back(&line);
  }
  std::vector<Row> headers, details;
  for (const auto& form : forms) {
    const ImportLine& first = *form.front();
    const std::string channel = (*masters.items.Find(first.item))[0].ToTextOrEmpty();
    for (const ImportLine* line : form) {
      const Row& item = *masters.items.Find(line->item);
      if (item[0].ToTextOrEmpty() != channel)
        refusals.push_back("第" + std::to_string(line->number) + "行：项目" + line->item + "属于通道" +
                           item[0].ToTextOrEmpty() + "，同一审批表的第" + std::to_string(first.number) +
                           "行属于通道" + channel);
      const double receivable = item[2].IsEmptyOrNull() ? 0 : item[2].ToDouble();
      const double charged = std::fabs(line->charged) > 0.005
                                 ? line->charged
                                 : Round2(receivable * line->discount / 100);
      details.push_back({line->item, item[1].ToTextOrEmpty(), receivable, line->discount, charged,
                         line->goodsRemark, line->reasonRemark, line->otherRemark, line->supplier,
                         line->start, line->end, line->payment, line->instalments, receivable,
                         line->unit, line->remark});
    }
    const Row& supplier = *masters.suppliers.Find(first.supplier);
    const Row* channelRow = masters.channels.Find(channel);
    headers.push_back({first.unit, (*masters.units.Find(first.unit))[0].ToTextOrEmpty(), channel,
                       channelRow ? (*channelRow)[0].ToTextOrEmpty() : std::string(), first.supplier,
                       supplier[0].ToTextOrEmpty(), first.start, first.end, supplier[1].ToTextOrEmpty(),
                       first.payment + " " + (*masters.payments.Find(first.payment))[0].ToTextOrEmpty(),
                       first.goodsRemark, supplier[2].ToTextOrEmpty(), first.invoiceTitle, first.remark});
  }
  if (!refusals.empty()) throw HostRefusal(std::move(refusals));
  return {std::make_shared<data::MemoryRecordset>(HeaderFields(), std::move(headers)),
          std::make_shared<data::MemoryRecordset>(DetailFields(), std::move(details))};
}

}  // namespace refhost
