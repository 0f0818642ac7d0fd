// Packets written out byte by byte from the published description of the format, so
// that the codec is checked against the format itself and not only against itself.
//
// Layout recap (all numbers little-endian):
//   header, 24 bytes: magic BDE01996, major 1, minor 0, header size 24, field count
//     (16 bits), record count (32 bits), flags (32 bits; 1 = metadata, 2 = the last
//     word holds the first record's offset), first record's offset (16 bits);
//   per field: name length, name, type word (size in bits 0-15, type code in bits
//     16-21, 0x00400000 = length-prefixed), attributes (16 bits), property count
//     (16 bits), properties;
//   per property: name length, name, type word, value;
//   packet property count and properties;
//   per record: status byte, two null bits per field (four fields a byte, lowest bits
//     first: 1 = NULL, 2 = not changed), then the values of the other fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "data/packet/PacketCodec.h"
#include "packet/PacketSamples.h"

namespace {

using base::Variant;
using data::Packet;
using data::PacketField;

// ID integer and NAME string(10); records (1, "Ab") and (2, NULL).
TEST(HandBuilt, SmallPacketDecodesAndIsWrittenByteForByte) {
  const std::vector<std::uint8_t>& bytes = packet_samples::SmallPacket();
  ASSERT_EQ(bytes.size(), 77u);

  const Packet packet = data::DecodePacket(bytes);
  ASSERT_EQ(packet.FieldCount(), 2u);
  EXPECT_EQ(packet.Fields()[0].name, "ID");
  EXPECT_EQ(packet.Fields()[0].typeWord, 0x00010004u);
  EXPECT_EQ(packet.Fields()[1].name, "NAME");
  EXPECT_EQ(packet.Fields()[1].Width(), 10);
  ASSERT_EQ(packet.RowCount(), 2u);
  EXPECT_TRUE(packet.Row(0)[0] == Variant(1));
  EXPECT_TRUE(packet.Row(0)[1] == Variant("Ab"));
  EXPECT_TRUE(packet.Row(1)[0] == Variant(2));
  EXPECT_TRUE(packet.Row(1)[1].IsNull());

  // The same packet built through the API is written with exactly these bytes.
  Packet built({PacketField::Integer("ID"), PacketField::Text("NAME", 10)});
  auto row = built.AddRow();
  row[0] = Variant(1);
  row[1] = Variant("Ab");
  built.AddRow()[0] = Variant(2);
  EXPECT_EQ(data::EncodePacket(built), bytes);
}

// Six fields of five types, a packet property, provider-style WIDTH, an empty text
// stored as one NUL, Chinese in code page 936 and in UTF-16, NULL and "not changed".
TEST(HandBuilt, RichPacketDecodesToTheExpectedRows) {
  const std::vector<std::uint8_t>& bytes = packet_samples::RichPacket();
  ASSERT_EQ(bytes.size(), 214u);

  const Packet packet = data::DecodePacket(bytes);
  ASSERT_EQ(packet.FieldCount(), 6u);
  const auto& f = packet.Fields();
  EXPECT_EQ(f[0].name, "f_djh");
  EXPECT_EQ(f[0].attributes, PacketField::kRequired);
  EXPECT_EQ(f[0].Width(), 20);  // given as a 32-bit integer
  EXPECT_EQ(f[1].Width(), 60);  // given as a 16-bit unsigned integer
  EXPECT_EQ(f[2].Type(), data::PacketType::Int);
  EXPECT_EQ(f[3].Type(), data::PacketType::Float);
  EXPECT_EQ(f[4].Type(), data::PacketType::Date);
  EXPECT_EQ(f[5].Type(), data::PacketType::WideText);
  ASSERT_EQ(packet.Properties().size(), 1u);
  EXPECT_EQ(packet.Properties()[0].name, "LCID");
  EXPECT_EQ(packet.Properties()[0].AsInteger(), 2052);

  ASSERT_EQ(packet.RowCount(), 2u);
  const auto first = packet.Row(0);
  EXPECT_EQ(packet.RowStatus(0), Packet::kUnmodified);
  EXPECT_TRUE(first[0] == Variant("200905220001"));
  EXPECT_TRUE(first[1] == Variant("超市"));
  EXPECT_TRUE(first[2] == Variant(0));
  EXPECT_TRUE(first[3] == Variant(1234.5));
  EXPECT_TRUE(first[4] == Variant(base::DateTime{39955}));  // 2009-05-22
  EXPECT_TRUE(first[5] == Variant("宋体"));

  const auto second = packet.Row(1);
  EXPECT_EQ(packet.RowStatus(1), Packet::kModified);
  EXPECT_TRUE(second[0] == Variant(""));
  EXPECT_TRUE(second[1].IsNull());
  EXPECT_TRUE(second[2] == Variant(1));
  EXPECT_TRUE(second[3].IsEmpty());  // not changed
  EXPECT_TRUE(second[4].IsNull());
  EXPECT_TRUE(second[5].IsNull());

  // Written again it reads back the same (the empty text is then stored with length 0).
  EXPECT_TRUE(data::DecodePacket(data::EncodePacket(packet)) == packet);
}

}  // namespace
