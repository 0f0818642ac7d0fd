// The packets that cross the host boundary: approval-form lines and payment vouchers
// that the screens send, system parameters, the operator record and query results that
// the host sends back. Each must come out of a write and a read exactly as it went in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/packet/PacketCodec.h"

namespace {

using base::Variant;
using data::Packet;
using data::PacketField;

struct FieldSpec {
  const char* name;
  char kind;  // 'T' text, 'I' integer, 'F' float, 'D' date-time
  int width;
};

Packet PacketOf(const std::vector<FieldSpec>& specs) {
  Packet packet;
  for (const FieldSpec& s : specs) {
    switch (s.kind) {
      case 'T':
        packet.AddField(PacketField::Text(s.name, s.width));
        break;
      case 'I':
        packet.AddField(PacketField::Integer(s.name));
        break;
      case 'F':
        packet.AddField(PacketField::Float(s.name));
        break;
      default:
        packet.AddField(PacketField::DateTime(s.name));
        break;
    }
  }
  return packet;
}

// The record's values by field name; fields not named stay Null.
void Fill(Packet& packet, const std::vector<std::pair<const char*, Variant>>& values) {
  auto row = packet.AddRow();
  for (const auto& [name, value] : values) {
    const int index = packet.FieldIndex(name);
    ASSERT_GE(index, 0) << name;
    row[static_cast<std::size_t>(index)] = value;
  }
}

void ExpectLossless(const Packet& packet) {
  const std::vector<std::uint8_t> bytes = data::EncodePacket(packet);
  const Packet back = data::DecodePacket(bytes);
  EXPECT_TRUE(back == packet);
  EXPECT_EQ(data::EncodePacket(back), bytes);
}

const std::vector<FieldSpec> kApprovalFormLines{
    {"f_clxmbm", 'T', 20}, {"f_clxmmc", 'T', 60}, {"f_djh", 'T', 20},   {"f_dnxh", 'I', 0},
    {"f_zdrq", 'T', 20},   {"f_rzrq", 'T', 20},   {"f_gysbm", 'T', 20}, {"f_gyszjf", 'T', 20},
    {"f_gysmc", 'T', 60},  {"f_qsrq", 'T', 20},   {"f_jsrq", 'T', 20},  {"f_fkys", 'F', 0},
    {"f_zffsbm", 'T', 20}, {"f_zffsmc", 'T', 20}, {"f_fkrq", 'T', 20},  {"f_zdrbm", 'T', 20},
    {"f_zdrmc", 'T', 20},  {"f_sprbm", 'T', 20},  {"f_sprmc", 'T', 20}, {"f_zzrbm", 'T', 20},
    {"f_zzrmc", 'T', 20},  {"f_zzbz", 'T', 60},   {"f_zt", 'T', 20},    {"f_sfbz", 'F', 0},
    {"f_ysje", 'F', 0},    {"f_zkl", 'F', 0},     {"f_ssje", 'F', 0},   {"f_zkyybz", 'T', 60},
    {"f_clspbz", 'T', 60}, {"f_qtbz", 'T', 60},   {"f_lxr", 'T', 20},   {"f_dh", 'T', 30},
    {"f_bz", 'T', 255},    {"f_Fylx", 'T', 20},   {"f_fptt", 'T', 255}, {"f_hsdwh", 'T', 12}};

TEST(HostPackets, ApprovalFormLinesOfTheBatchImport) {
  Packet packet = PacketOf(kApprovalFormLines);
  for (int line = 0; line < 3; ++line) {
    Fill(packet, {{"f_clxmbm", Variant("0101")},
                  {"f_clxmmc", Variant("进场费（含税）")},
                  {"f_djh", Variant("200905220001")},
                  {"f_dnxh", Variant(line)},
                  {"f_zdrq", Variant("20090522")},
                  {"f_gysbm", Variant("100234")},
                  {"f_gyszjf", Variant("")},
                  {"f_gysmc", Variant("上海联华超市有限公司")},
                  {"f_qsrq", Variant("20090501")},
                  {"f_jsrq", Variant("20090531")},
                  {"f_fkys", Variant(1.0)},
                  {"f_zffsbm", Variant("01")},
                  {"f_zffsmc", Variant("")},
                  {"f_fkrq", Variant("20090522")},
                  {"f_zdrbm", Variant("0001")},
                  {"f_zdrmc", Variant("张三")},
                  {"f_sfbz", Variant(0.0)},
                  {"f_ysje", Variant(1500.0)},
                  {"f_zkl", Variant(100.0)},
                  {"f_ssje", Variant(1234.56)},
                  {"f_zkyybz", Variant("")},
                  {"f_clspbz", Variant("")},
                  {"f_qtbz", Variant("备注'含引号'")},
                  {"f_lxr", Variant("李四")},
                  {"f_dh", Variant("021-12345678")},
                  {"f_bz", Variant(std::string(120, ' ') + "付款方式：银行转账，请在月底前结清")},
                  {"f_Fylx", Variant("")},
                  {"f_fptt", Variant("上海联华超市有限公司")},
                  {"f_hsdwh", Variant("001")}});
  }
  EXPECT_EQ(packet.Fields()[32].typeWord, 0x00490002u);  // f_bz, width 255: two-byte length
  EXPECT_EQ(packet.Fields()[33].typeWord, 0x00490001u);  // f_Fylx, width 20: one-byte length
  ExpectLossless(packet);
  EXPECT_TRUE(data::DecodePacket(data::EncodePacket(packet)).Row(2)[5].IsNull());  // f_rzrq
}

TEST(HostPackets, PaymentVoucher) {
  Packet packet = PacketOf({{"f_djh", 'T', 12},
                            {"f_spdh", 'T', 12},
                            {"f_zdrq", 'T', 20},
                            {"f_gysbm", 'T', 20},
                            {"f_yfye", 'F', 0},
                            {"f_spje", 'F', 0},
                            {"f_fkje", 'F', 0},
                            {"f_zffsbm", 'T', 20},
                            {"f_zdrbm", 'T', 20},
                            {"f_zdrmc", 'T', 8},
                            {"f_fkyybm", 'T', 20},
                            {"f_hkyf", 'T', 20},
                            {"f_bz", 'T', 255},
                            {"f_TdDjh", 'T', 12},
                            {"f_flag", 'I', 0},
                            {"f_hsdwh", 'T', 12}});
  Fill(packet, {{"f_djh", Variant("")},
                {"f_spdh", Variant("")},
                {"f_zdrq", Variant("20090522")},
                {"f_gysbm", Variant("100234")},
                {"f_yfye", Variant(-320.5)},
                {"f_spje", Variant(98765432.1)},
                {"f_fkje", Variant(98765432.1)},
                {"f_zffsbm", Variant("02")},
                {"f_zdrbm", Variant("0001")},
                {"f_zdrmc", Variant("欧阳小明")},  // exactly 8 bytes
                {"f_fkyybm", Variant("1")},
                {"f_hkyf", Variant("200905")},
                {"f_bz", Variant("200905220001自动生成")},
                {"f_TdDjh", Variant("200905220001")},
                {"f_flag", Variant(0)},
                {"f_hsdwh", Variant("001")}});
  ExpectLossless(packet);
}

TEST(HostPackets, SystemParametersOperatorAndQueryResults) {
  Packet parameters = PacketOf({{"f_Csmc", 'T', 20}, {"f_csz", 'T', 255}});
  Fill(parameters, {{"f_Csmc", Variant("dqny")}, {"f_csz", Variant("200905")}});
  Fill(parameters, {{"f_Csmc", Variant("dwmc")}, {"f_csz", Variant("联华超市")}});
  Fill(parameters, {{"f_Csmc", Variant("zbbm")}, {"f_csz", Variant("")}});
  Fill(parameters, {{"f_Csmc", Variant("sh")}});  // value NULL
  ExpectLossless(parameters);

  Packet operatorRecord = PacketOf({{"f_zybm", 'T', 20}, {"f_zymc", 'T', 20}});
  Fill(operatorRecord, {{"f_zybm", Variant("0001")}, {"f_zymc", Variant("张三")}});
  ExpectLossless(operatorRecord);

  Packet query = PacketOf({{"f_Djh", 'T', 20},
                           {"f_Zdrq", 'D', 0},
                           {"f_select", 'I', 0},
                           {"f_Spje", 'F', 0},
                           {"f_Gysmc", 'T', 60}});
  Fill(query, {{"f_Djh", Variant("200905220001")},
               {"f_Zdrq", Variant(base::DateTime{39955.5})},
               {"f_select", Variant(0)},
               {"f_Spje", Variant(0.1 + 0.2)},
               {"f_Gysmc", Variant("供应商")}});
  ExpectLossless(query);
}

}  // namespace
