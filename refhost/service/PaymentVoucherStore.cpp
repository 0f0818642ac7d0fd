#include "refhost/service/PaymentVoucherStore.h"

#include "data/packet/PacketCodec.h"
#include "data/packet/PacketError.h"
#include "refhost/engine/Database.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/Transaction.h"
#include "refhost/service/DocumentNumber.h"
#include "refhost/service/HostRefusal.h"
#include "refhost/service/PacketRow.h"

namespace refhost {

namespace {

data::Packet Decode(const std::vector<std::uint8_t>& bytes) {
  try {
    return data::DecodePacket(bytes);
  } catch (const data::PacketError& error) {
    throw HostRefusal(std::vector<std::string>{"付款单数据包无法读取", error.what()});
  }
}

// Writes the voucher number into the source; false when no unpaid source matched.
bool MarkSource(Database& database, const PacketRow& voucher, const std::string& number) {
  if (voucher.Number("f_flag") == 0)
    return database
               .Prepare("UPDATE tbTdspzb SET f_Fkspdh = ? WHERE f_hsdwh = ? AND f_Djh = ? AND "
                        "(f_Fkspdh IS NULL OR f_Fkspdh = '')")
               .Execute({number, voucher.Text("f_hsdwh"), voucher.Text("f_TdDjh")}) > 0;
  return database
             .Prepare("UPDATE tbfkjhb SET f_spdh = ? WHERE f_Djh = ? AND (f_spdh IS NULL OR "
                      "f_spdh = '')")
             .Execute({number, voucher.Text("f_TdDjh")}) > 0;
}

void Check(const PacketRow& voucher) {
  const double flag = voucher.Number("f_flag");
  if (flag != 0 && flag != 1) throw HostRefusal("付款单的来源类型无效（应为0或1）");
  if (voucher.Text("f_TdDjh").empty()) throw HostRefusal("付款单缺少来源单号");
  if (voucher.Text("f_gysbm").empty()) throw HostRefusal("付款单缺少供应商编码");
  if (voucher.Text("f_zffsbm").empty()) throw HostRefusal("付款单缺少支付方式");
}

}  // namespace

std::string StorePaymentVoucher(Database& database, const std::vector<std::uint8_t>& bytes,
                                const StoreContext& context) {
  const data::Packet packet = Decode(bytes);
  const std::vector<PacketRow> rows = PacketRow::Visible(packet);
  if (rows.size() != 1)
    throw HostRefusal("付款单数据包应有一条记录，收到" + std::to_string(rows.size()) + "条");
  const PacketRow& voucher = rows.front();
  Check(voucher);
  const std::string source = voucher.Text("f_TdDjh");
  try {
    Transaction transaction(database);
    const std::string number = NextDocumentNumber(database, "tbFkd", "f_Djh", context.today);
    const std::string makerCode = voucher.Text("f_zdrbm").empty() ? context.operatorCode
                                                                   : voucher.Text("f_zdrbm");
    const std::string makerName = voucher.Text("f_zdrmc").empty() ? context.operatorName
                                                                   : voucher.Text("f_zdrmc");
    database
        .Prepare(
            "INSERT INTO tbFkd (f_Djh, f_Zdrq, f_Gysbm, f_hsdwh, f_Yfye, f_Spje, f_Fkje, "
            "f_Zffsbm, f_Zdrbm, f_Zdrmc, f_Fkyybm, f_Hkyf, f_bz, f_TdDjh, f_Flag) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Execute({number, context.today, voucher.Text("f_gysbm"), voucher.Text("f_hsdwh"),
                  voucher.Number("f_yfye"), voucher.Number("f_spje"), voucher.Number("f_fkje"),
                  voucher.Text("f_zffsbm"), makerCode, makerName, voucher.Text("f_fkyybm"),
                  voucher.Text("f_hkyf"), voucher.Text("f_bz"), source,
                  static_cast<int>(voucher.Number("f_flag"))});
    if (!MarkSource(database, voucher, number))
      throw HostRefusal((voucher.Number("f_flag") == 0 ? "审批单" : "付款计划") + source +
                        "不存在或已生成付款单，付款单未保存");
    transaction.Commit();
    return number;
  } catch (const DbError& error) {
    throw HostRefusal("保存付款单失败，付款单未保存", error);
  }
}

}  // namespace refhost
