#include "refhost/cli/PacketCsv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "data/packet/PacketCodec.h"
#include "refhost/TempDir.h"
#include "refhost/cli/FeeHostCommand.h"

namespace refhost {
namespace {

using data::PacketField;
using ::testing::HasSubstr;

// A packet with a field of every type the CSV writes, and values at their edges.
data::Packet SamplePacket() {
  data::Packet packet({PacketField::Text("f_Gysbm", 20), PacketField::WideText("f_Gysmc", 30),
                       PacketField::SmallInt("f_Small"), PacketField::Integer("f_dnxh"),
                       PacketField::LargeInt("f_Large"), PacketField::Boolean("f_Flag"),
                       PacketField::Float("f_Ssje"), PacketField::Date("f_Date"),
                       PacketField::Time("f_Time"), PacketField::DateTime("f_Stamp"),
                       PacketField::Memo("f_Memo"), PacketField::WideMemo("f_WideMemo"),
                       PacketField::Blob("f_Blob"), PacketField::Bytes("f_Bytes", 2),
                       PacketField::VarBytes("f_VarBytes", 8)});
  auto first = packet.AddRow();
  const base::Variant values[] = {"01010001", "上海,\"联华\"", -32768, 2147483647,
                                  5000000000.0, true, 0.1, base::DateTime{38426},
                                  base::DateTime{0.5 + 1.0 / 86400000}, base::DateTime{38426.75},
                                  "two\r\nlines", "备注", std::vector<std::uint8_t>{0, 255, 16},
                                  std::vector<std::uint8_t>{1, 2}, std::vector<std::uint8_t>{}};
  std::copy(std::begin(values), std::end(values), first.begin());
  auto second = packet.AddRow();  // Nulls, an empty text, a date before 1899-12-30
  second[0] = "";
  second[6] = -1.5e20;
  second[9] = base::DateTime{-1.25};
  return packet;
}

TEST(PacketCsv, RoundTripKeepsNamesTypesAndValues) {
  const data::Packet packet = data::DecodePacket(data::EncodePacket(SamplePacket()));
  std::stringstream csv;
  WritePacketCsv(packet, csv);
  const std::string text = csv.str();
  EXPECT_THAT(text, HasSubstr("Text(20),WideText(30),SmallInt,Integer,LargeInt,Boolean,Float,Date,"
                              "Time,DateTime,Memo,WideMemo,Blob,Bytes(2),VarBytes(8)\r\n"));
  EXPECT_THAT(text, HasSubstr("01010001,\"上海,\"\"联华\"\"\",-32768,2147483647,5000000000,True,0.1,"
                              "2005-03-15,12:00:00.001,2005-03-15 18:00:00,\"two\r\nlines\",备注,"
                              "0x00FF10,0x0102,0x\r\n"));
  EXPECT_THAT(text, HasSubstr("\"\",,,,,,-1.5e+20,,,1899-12-29 06:00:00,,,,,\r\n"));
  const data::Packet back = ReadPacketCsv(csv);
  EXPECT_EQ(back.Fields(), packet.Fields());
  ASSERT_EQ(back.RowCount(), packet.RowCount());
  for (std::size_t row = 0; row < packet.RowCount(); ++row)
    for (std::size_t i = 0; i < packet.FieldCount(); ++i)
      EXPECT_EQ(back.Row(row)[i], packet.Row(row)[i]) << "row " << row << " field " << i;
}

struct BadCsv {
  const char* csv;
  const char* message;
};

TEST(PacketCsv, BadInputIsNamed) {
  const BadCsv cases[] = {
      {"", "a line of field names and a line of field types"},
      {"a,b\r\nText(5)\r\n", "1 types for 2 fields"},
      {"a\r\nChar(5)\r\n", "field a: unknown type \"Char(5)\""},
      {"a\r\nText(0)\r\n", "unknown type"},
      {"a,b\r\nInteger,Float\r\n1,2\r\nx,2\r\n", "line 4, field a: \"x\" is no Integer"},
      {"a\r\nDate\r\n2005-13-01\r\n", "is no Date"},
      {"a\r\nBoolean\r\nyes\r\n", "is no Boolean"},
      {"a\r\nBlob\r\nFF\r\n", "is no Blob"},
      {"a,b\r\nInteger,Integer\r\n1\r\n", "line 3: 1 values for 2 fields"},
      {"a\r\nText(5)\r\n\"open\r\n", "a quoted field is not closed"},
      {"a\r\nText(5)\r\n\"x\"y\r\n", "text after the closing quote"},
  };
  for (const BadCsv& c : cases) {
    std::istringstream in(c.csv);
    try {
      ReadPacketCsv(in);
      ADD_FAILURE() << "accepted: " << c.csv;
    } catch (const std::invalid_argument& error) {
      EXPECT_THAT(error.what(), HasSubstr(c.message)) << c.csv;
    }
  }
}

TEST(PacketCsv, CommandLineDecodesAndEncodes) {
  test::TempDir dir;
  const auto bytes = data::EncodePacket(SamplePacket());
  std::ofstream(dir.File("in.cds"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  std::ostringstream out, err;
  ASSERT_EQ(RunFeeHost({"packet", "decode", dir.File("in.cds")}, out, err), 0) << err.str();
  std::ofstream(dir.File("in.csv"), std::ios::binary) << out.str();
  out.str("");
  ASSERT_EQ(RunFeeHost({"packet", "encode", dir.File("in.csv"), "--out", dir.File("out.cds")}, out, err), 0)
      << err.str();
  std::ifstream written(dir.File("out.cds"), std::ios::binary);
  const std::vector<std::uint8_t> again(std::istreambuf_iterator<char>(written), {});
  EXPECT_EQ(data::DecodePacket(again), data::DecodePacket(bytes));

  EXPECT_EQ(RunFeeHost({"packet", "decode", dir.File("missing.cds")}, out, err), 1);
  EXPECT_THAT(err.str(), HasSubstr("cannot open"));
  EXPECT_EQ(RunFeeHost({"packet", "decode", dir.File("in.csv")}, out, err), 1);
  EXPECT_THAT(err.str(), HasSubstr("data packet:"));
  EXPECT_EQ(RunFeeHost({"packet", "squash", "x"}, out, err), 2);
}

}  // namespace
}  // namespace refhost
