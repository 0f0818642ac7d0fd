#include "refhost/service/ApprovalFormStore.h"

#include "base/Text.h"
#include "data/packet/PacketCodec.h"
#include "data/packet/PacketError.h"
#include "refhost/engine/Database.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/Transaction.h"
#include "refhost/service/DocumentNumber.h"
#include "refhost/service/HostClock.h"
#include "refhost/service/HostRefusal.h"
#include "refhost/service/PacketRow.h"

namespace refhost {

namespace {

struct StoreParam {
  std::string yearMonth;
  std::string channel;
  std::string flag;
};

StoreParam ParseParam(const std::string& param) {
  const std::size_t first = param.find('\t');
  const std::size_t second = first == std::string::npos ? first : param.find('\t', first + 1);
  if (second == std::string::npos)
    throw HostRefusal("保存审批单的参数应为“年月<TAB>通道编码<TAB>标志”，收到：" + param);
  StoreParam parsed{base::Trim(param.substr(0, first)),
                    base::Trim(param.substr(first + 1, second - first - 1)),
                    base::Trim(param.substr(second + 1))};
  if (parsed.yearMonth.size() != 6 || !HostClock::IsDate(parsed.yearMonth + "01"))
    throw HostRefusal("保存审批单的年月无效：" + parsed.yearMonth);
  if (parsed.channel.empty()) throw HostRefusal("保存审批单缺少通道编码");
  return parsed;
}

data::Packet Decode(const std::vector<std::uint8_t>& bytes) {
  try {
    return data::DecodePacket(bytes);
  } catch (const data::PacketError& error) {
    throw HostRefusal(std::vector<std::string>{"审批单数据包无法读取", error.what()});
  }
}

// Empty text, falling back to a default.
std::string Or(const std::string& text, const std::string& fallback) {
  return text.empty() ? fallback : text;
}

void CheckHeader(const PacketRow& head) {
  if (head.Text("f_hsdwh").empty()) throw HostRefusal("审批单缺少核算单位号");
  if (head.Text("f_gysbm").empty()) throw HostRefusal("审批单缺少供应商编码");
  for (const char* field : {"f_qsrq", "f_jsrq"})
    if (!HostClock::IsDate(head.Text(field)))
      throw HostRefusal("审批单的日期无效（" + std::string(field) + "）：" + head.Text(field));
  if (head.Text("f_qsrq") > head.Text("f_jsrq")) throw HostRefusal("审批单的起始日期晚于结束日期");
}

}  // namespace

std::string StoreApprovalForm(Database& database, const std::vector<std::uint8_t>& bytes,
                              const std::string& param, const StoreContext& context) {
  const StoreParam parsed = ParseParam(param);
  const data::Packet packet = Decode(bytes);
  const std::vector<PacketRow> lines = PacketRow::Visible(packet);
  if (lines.empty()) throw HostRefusal("审批单没有明细行");
  const PacketRow& head = lines.front();
  CheckHeader(head);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].Text("f_clxmbm").empty())
      throw HostRefusal("审批单第" + std::to_string(i + 1) + "行缺少项目编码");

  const std::string unit = head.Text("f_hsdwh");
  const std::string makerCode = Or(head.Text("f_zdrbm"), context.operatorCode);
  const std::string makerName = Or(head.Text("f_zdrmc"), context.operatorName);
  const std::string made = Or(head.Text("f_zdrq"), context.today);
  try {
    Transaction transaction(database);
    const std::string number = NextDocumentNumber(database, "tbTdspzb", "f_Djh", context.today);
    database
        .Prepare(
            "INSERT INTO tbTdspzb (f_Djh, f_hsdwh, f_Zdrq, f_zdrbm, f_zdrmc, f_rzrq, f_fkrq, "
            "f_Gysbm, f_Tdbm, f_Qsrq, f_Jsrq, f_zffsbm, f_bz, f_zdrhsdwh, f_Zt, f_Fkspdh, f_Fylx, "
            "f_fkys, f_lxr, f_dh, f_fptt, f_sprbm, f_sprmc, f_zzrbm, f_zzrmc, f_zzbz) "
            "VALUES (?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, ?, ?, ?, '0', '', ?, ?, ?, ?, ?, '', '', '', "
            "'', '')")
        .Execute({number, unit, made, makerCode, makerName, Or(head.Text("f_fkrq"), context.today),
                  head.Text("f_gysbm"), parsed.channel, head.Text("f_qsrq"), head.Text("f_jsrq"),
                  head.Text("f_zffsbm"), head.Text("f_bz"), unit, head.Text("f_Fylx"),
                  head.Number("f_fkys"), head.Text("f_lxr"), head.Text("f_dh"),
                  head.Text("f_fptt")});
    Statement line = database.Prepare(
        "INSERT INTO tbTdspcb (f_hsdwh, f_Djh, f_dnxh, f_xmbm, f_xmmc, f_ysje, f_zkl, f_ssje, "
        "f_sfbz, f_zkyybz, f_clspbz, f_qtbz) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const PacketRow& row = lines[i];
      line.Execute({unit, number, static_cast<int>(i), row.Text("f_clxmbm"), row.Text("f_clxmmc"),
                    row.Number("f_ysje"), row.Number("f_zkl"), row.Number("f_ssje"),
                    row.Number("f_sfbz"), row.Text("f_zkyybz"), row.Text("f_clspbz"),
                    row.Text("f_qtbz")});
    }
    database
        .Prepare(
            "INSERT INTO tbTdautoLog (f_hsdwh, f_Gysbm, f_Fylx, f_Qsrq, f_Jsrq, f_Zdrq, f_Zdrbm, "
            "f_Zdrmc, f_Sph) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Execute({unit, head.Text("f_gysbm"), head.Text("f_Fylx"), head.Text("f_qsrq"),
                  head.Text("f_jsrq"), made, makerCode, makerName, number});
    transaction.Commit();
    return number;
  } catch (const DbError& error) {
    throw HostRefusal("保存审批单失败，审批单未保存", error);
  }
}

}  // namespace refhost
