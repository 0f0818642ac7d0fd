// The reference host's store calls through the library's data service on SQLite:
// approval forms (numbering, lines, generation log), payment vouchers (marking their
// source) and the import check; a refused store leaves nothing behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "data/MemoryRecordset.h"
#include "data/Recordset.h"
#include "data/packet/PacketCodec.h"
#include "data/packet/PacketField.h"
#include "refhost/HostServiceData.h"
#include "refhost/HostServiceTexts.h"

namespace refhost {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using test::ErrorTexts;
using PF = data::PacketField;

// One form line: item code, name and the amounts.
struct FormLine {
  std::string item, name;
  base::Variant receivable, charged;
};

// The lines' packet as the generation screens send it (the fields the host reads).
std::vector<std::uint8_t> FormPacket(const std::vector<FormLine>& lines, const std::string& supplier = "S001") {
  data::Packet packet({PF::Text("f_clxmbm", 20), PF::Text("f_clxmmc", 60), PF::Text("f_djh", 20),
                       PF::Integer("f_dnxh"), PF::Text("f_zdrq", 20), PF::Text("f_gysbm", 20),
                       PF::Text("f_qsrq", 20), PF::Text("f_jsrq", 20), PF::Float("f_fkys"),
                       PF::Text("f_zffsbm", 20), PF::Text("f_zdrbm", 20), PF::Text("f_zdrmc", 20),
                       PF::Float("f_ysje"), PF::Float("f_zkl"), PF::Text("f_ssje", 20),
                       PF::Text("f_Fylx", 20), PF::Text("f_hsdwh", 12)});
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto row = packet.AddRow();
    const base::Variant values[] = {lines[i].item, lines[i].name, "200612010001", static_cast<int>(i),
                                    "20061201", supplier, "20061101", "20061130", 1.0, "01", "0001",
                                    "张三", lines[i].receivable, 100.0, lines[i].charged, "2", "01"};
    std::copy(std::begin(values), std::end(values), row.begin());
  }
  return data::EncodePacket(packet);
}

// The voucher packet of the payment screen for a source document.
std::vector<std::uint8_t> VoucherPacket(const std::string& source, int flag) {
  data::Packet packet({PF::Text("f_djh", 12), PF::Text("f_zdrq", 20), PF::Text("f_gysbm", 20),
                       PF::Float("f_yfye"), PF::Float("f_spje"), PF::Float("f_fkje"),
                       PF::Text("f_zffsbm", 20), PF::Text("f_zdrbm", 20), PF::Text("f_zdrmc", 8),
                       PF::Text("f_fkyybm", 20), PF::Text("f_hkyf", 20), PF::Text("f_bz", 255),
                       PF::Text("f_TdDjh", 12), PF::Integer("f_flag"), PF::Text("f_hsdwh", 12)});
  const base::Variant values[] = {"", "20061201", "S001", 10.0, 150.0, 150.0, "01", "0001", "张三",
                                  "1001", "200503", source + "自动生成", source, flag, "01"};
  std::copy(std::begin(values), std::end(values), packet.AddRow().begin());
  return data::EncodePacket(packet);
}

class HostServiceStoreTest : public test::HostServiceTest {
 protected:
  // Rows of the tables an approval-form store writes.
  std::vector<int> FormRows() { return {Count("tbTdspzb"), Count("tbTdspcb"), Count("tbTdautoLog")}; }
  std::string One(const std::string& sql) { return Db().Query(sql).rows.at(0).at(0).ToTextOrEmpty(); }
};

const std::vector<FormLine> kTwoLines = {{"1101", "堆头费", 500.0, "450"}, {"1102", "地堆费", 200.0, 0.0}};

TEST_F(HostServiceStoreTest, ApprovalFormIsNumberedStoredAndLogged) {
  auto service = Service();
  ASSERT_TRUE(service.StoreApprovalForm(6, FormPacket(kTwoLines), "200612\t11\t0"));
  ASSERT_TRUE(service.StoreApprovalForm(0, FormPacket(kTwoLines, "S002"), "200612\t11\t1"));
  EXPECT_THAT(FormRows(), ElementsAre(3, 4, 2));
  const auto forms = Db().Query(
      "select f_Djh, f_Gysbm, f_Tdbm, f_Zt, f_Fkspdh from tbTdspzb where f_Zdrq = '20061201' order by f_Djh");
  ASSERT_EQ(forms.rows.size(), 2u);
  EXPECT_EQ(forms.rows[0][0].ToText(), "200612010001");
  EXPECT_EQ(forms.rows[1][0].ToText(), "200612010002");
  EXPECT_EQ(forms.rows[1][1].ToText(), "S002");
  EXPECT_EQ(forms.rows[0][2].ToText(), "11");
  EXPECT_EQ(forms.rows[0][3].ToText(), "0");
  EXPECT_EQ(forms.rows[0][4].ToTextOrEmpty(), "");
  const auto lines = Db().Query(
      "select f_dnxh, f_xmbm, f_ysje, f_ssje from tbTdspcb where f_Djh = '200612010001' order by f_dnxh");
  ASSERT_EQ(lines.rows.size(), 2u);
  EXPECT_EQ(lines.rows[1][1].ToText(), "1102");
  EXPECT_DOUBLE_EQ(lines.rows[0][3].ToDouble(), 450);
  const auto log = Db().Query(
      "select f_hsdwh, f_Gysbm, f_Fylx, f_Qsrq, f_Jsrq, f_Zdrbm, f_Zdrmc from tbTdautoLog "
      "where f_Sph = '200612010001'");
  ASSERT_EQ(log.rows.size(), 1u);
  std::vector<std::string> logged;
  for (const auto& value : log.rows[0]) logged.push_back(value.ToText());
  EXPECT_THAT(logged, ElementsAre("01", "S001", "2", "20061101", "20061130", "0001", "张三"));
}

TEST_F(HostServiceStoreTest, RefusedApprovalFormsLeaveNothingBehind) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> packet;
    std::string param;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"no tabs", FormPacket(kTwoLines), "200612 11 0", "保存审批单的参数应为"},
      {"bad month", FormPacket(kTwoLines), "200613\t11\t0", "保存审批单的年月无效：200613"},
      {"no lines", FormPacket({}), "200612\t11\t0", "审批单没有明细行"},
      {"not a packet", {1, 2, 3}, "200612\t11\t0", "审批单数据包无法读取"},
      // The second line fails after the header and the first line were written.
      {"halfway", FormPacket({kTwoLines[0], {"1102", "地堆费", 200.0, "abc"}}), "200612\t11\t0",
       "字段f_ssje的值“abc”不是数字"},
  };
  auto service = Service();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const host::HostResult result = service.StoreApprovalForm(6, c.packet, c.param);
    ASSERT_FALSE(result);
    EXPECT_THAT(ErrorTexts(result).at(0), HasSubstr(c.text));
    EXPECT_THAT(FormRows(), ElementsAre(1, 0, 0));
  }
}

TEST_F(HostServiceStoreTest, DatabaseRefusingTheLogRowUndoesTheFormWithItsMessage) {
  Db().Execute(
      "create trigger refuse_log before insert on tbTdautoLog begin select raise(abort, 'log is closed'); end");
  const host::HostResult result = Service().StoreApprovalForm(6, FormPacket(kTwoLines), "200612\t11\t0");
  ASSERT_FALSE(result);
  const auto texts = ErrorTexts(result);
  EXPECT_EQ(texts.at(0), "保存审批单失败，审批单未保存");
  EXPECT_THAT(texts.at(1), HasSubstr("log is closed"));
  EXPECT_THAT(FormRows(), ElementsAre(1, 0, 0));
}

TEST_F(HostServiceStoreTest, PaymentVoucherMarksItsSourceOnce) {
  auto service = Service();
  ASSERT_TRUE(service.StorePaymentVoucher(2, VoucherPacket("200503100001", 0), {}));
  ASSERT_TRUE(service.StorePaymentVoucher(2, VoucherPacket("P001", 1), {}));
  EXPECT_EQ(One("select f_Fkspdh from tbTdspzb where f_Djh = '200503100001'"), "200612010001");
  EXPECT_EQ(test::CountOf(Db(), "select count(*) from tbfkjhb where f_spdh = '200612010002'"), 2);
  EXPECT_EQ(One("select f_TdDjh from tbFkd where f_Djh = '200612010001'"), "200503100001");
  EXPECT_EQ(One("select f_Flag from tbFkd where f_Djh = '200612010002'"), "1");

  struct Case {
    const char* name;
    std::vector<std::uint8_t> packet;
    std::string text;
  };
  const std::vector<Case> refused = {
      {"paid form", VoucherPacket("200503100001", 0), "审批单200503100001不存在或已生成付款单，付款单未保存"},
      {"paid plan", VoucherPacket("P001", 1), "付款计划P001不存在或已生成付款单，付款单未保存"},
      {"unknown form", VoucherPacket("X'1", 0), "审批单X'1不存在或已生成付款单，付款单未保存"},
      {"bad kind", VoucherPacket("P001", 5), "付款单的来源类型无效（应为0或1）"},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.name);
    const host::HostResult result = service.StorePaymentVoucher(2, c.packet, {});
    ASSERT_FALSE(result);
    EXPECT_THAT(ErrorTexts(result), ElementsAre(c.text));
    EXPECT_EQ(Count("tbFkd"), 2);
  }
}

TEST_F(HostServiceStoreTest, MalformedDataIsRefusedWithAMessage) {
  HostService host(Db(), HostOptions{test::kHostToday});
  struct Case {
    std::int32_t dispid;
    base::Variant data;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0x183, base::Variant("lines"), "审批单明细应为数据包，收到"},
      {0x161, base::Variant(std::vector<std::uint8_t>{0, 1}), "付款单数据包无法读取"},
      {0x161, base::Variant(FormPacket({})), "付款单数据包应有一条记录，收到0条"},
      {0x182, base::Variant(7), "导入数据应为记录集"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<host::HostArg> args{{0, false}, {c.data, true}, {"200612\t11\t0", true}};
    EXPECT_FALSE(host.Invoke(c.dispid, args).ToBool());
    ASSERT_TRUE(args[1].value.IsArray());
    EXPECT_THAT(args[1].value.Array().items.at(0).ToText(), HasSubstr(c.text));
  }
  EXPECT_THAT(FormRows(), ElementsAre(1, 0, 0));
  EXPECT_EQ(Count("tbFkd"), 0);
}

// Import lines as the import dialog detaches them.
struct ImportLine {
  std::string unit, supplier, start, end, payment, item;
  double discount, charged;
  std::string goodsRemark, remark;
};

base::Variant ImportLines(const std::vector<ImportLine>& lines) {
  const std::vector<data::RecordsetField> fields = {
      {"f_Xh", data::adInteger, 0},    {"f_Hsdwh", data::adVarChar, 10}, {"f_gysbm", data::adVarChar, 20},
      {"f_qsrq", data::adVarChar, 20}, {"f_jsrq", data::adVarChar, 20},  {"f_zffs", data::adVarChar, 20},
      {"f_xmbm", data::adVarChar, 20}, {"f_Fkqs", data::adDouble, 0},    {"f_Zkl", data::adDouble, 0},
      {"f_Ssje", data::adDouble, 0},   {"f_spbz", data::adVarChar, 60},  {"f_yybz", data::adVarChar, 60},
      {"f_qtbz", data::adVarChar, 60}, {"f_fptt", data::adVarChar, 255}, {"f_bz", data::adVarChar, 255}};
  std::vector<std::vector<base::Variant>> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ImportLine& l = lines[i];
    rows.push_back({static_cast<int>(i), l.unit, l.supplier, l.start, l.end, l.payment, l.item, 1.0,
                    l.discount, l.charged, l.goodsRemark, "", "", "抬头", l.remark});
  }
  return base::Variant(std::shared_ptr<base::VariantObject>(
      std::make_shared<data::MemoryRecordset>(fields, std::move(rows))));
}

std::vector<std::vector<std::string>> RowsOf(const base::Variant& value) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& row : value.ObjectAs<data::Recordset>()->GetRows()) {
    rows.emplace_back();
    for (const auto& field : row) rows.back().push_back(field.ToTextOrEmpty());
  }
  return rows;
}

TEST_F(HostServiceStoreTest, ImportGroupsLinesIntoFormsAndFillsThem) {
  base::Variant data = ImportLines({
      {"01", "S001", "20061101", "20061130", "01", "1101", 80, 0, "", ""},
      {"01", "S002", "20061101", "20061130", "02", "1201", 100, 0, "", ""},
      {"01", "S001", "20061101", "20061130", "01", "1102", 100, 150, "", ""},
      {"01", "S001", "20061101", "20061130", "01", "1101", 100, 0, "", "另一张"},
  });
  base::Variant data2;
  ASSERT_TRUE(Service().CheckImport(data, data2));
  const auto headers = RowsOf(data);
  ASSERT_EQ(headers.size(), 3u);
  EXPECT_THAT(headers[0], ElementsAre("01", "总部", "11", "堆头", "S001", "甲供应商", "20061101", "20061130",
                                      "李四", "01 现金", "", "0571-1", "抬头", ""));
  EXPECT_EQ(headers[1][2], "12");
  EXPECT_EQ(headers[2][13], "另一张");
  const auto details = RowsOf(data2);
  ASSERT_EQ(details.size(), 4u);
  // Form order, then line order: a zero charged amount is receivable times the rate.
  EXPECT_THAT(std::vector<std::string>(details[0].begin(), details[0].begin() + 5),
              ElementsAre("1101", "堆头费", "500", "80", "400"));
  EXPECT_THAT(std::vector<std::string>(details[1].begin(), details[1].begin() + 5),
              ElementsAre("1102", "地堆费", "200", "100", "150"));
  EXPECT_EQ(details[1][11], "01");
  EXPECT_EQ(details[2][0], "1201");
}

TEST_F(HostServiceStoreTest, ImportRefusesEveryBadLineWithItsReasons) {
  base::Variant data = ImportLines({
      {"01", "S001", "20061101", "20061130", "01", "1101", 100, 0, "", ""},
      {"09", "S'9", "20061131", "20061101", "07", "11", -5, 0, "", ""},
      {"01", "S001", "20061201", "20061101", "01", "1101", 100, 0, "", ""},
  });
  base::Variant data2;
  const host::HostResult result = Service().CheckImport(data, data2);
  ASSERT_FALSE(result);
  EXPECT_THAT(ErrorTexts(result),
              ElementsAre("第2行：核算单位号09不存在", "第2行：供应商编码S'9不存在", "第2行：起始日期无效：20061131",
                          "第2行：支付方式07不存在", "第2行：项目11不是末级项目", "第2行：折扣率不能为负数",
                          "第3行：起始日期晚于结束日期"));

  base::Variant mixed = ImportLines({
      {"01", "S001", "20061101", "20061130", "01", "1101", 100, 0, "", ""},
      {"01", "S001", "20061101", "20061130", "01", "1201", 100, 0, "", ""},
  });
  const host::HostResult channels = Service().CheckImport(mixed, data2);
  ASSERT_FALSE(channels);
  EXPECT_THAT(ErrorTexts(channels), ElementsAre("第2行：项目1201属于通道12，同一审批表的第1行属于通道11"));
}

}  // namespace
}  // namespace refhost
