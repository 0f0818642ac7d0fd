// Every field type the codec writes survives encode -> decode, and re-encoding the
// decoded packet gives the same bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "data/packet/PacketCodec.h"
#include "packet/CaseName.h"

namespace {

using base::Variant;
using data::Packet;
using data::PacketError;
using data::PacketField;
using data::PacketType;
namespace tw = data::type_word;

PacketField Custom(const char* name, PacketType type, std::uint16_t size) {
  return PacketField{name, tw::Make(type, size), 0, {}};
}

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

struct RoundTripCase {
  const char* label;
  PacketField field;
  Variant value;  // as the decoder gives it back
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.label; }

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ValueSurvivesBetweenNeighboursAndBytesAreStable) {
  // Neighbouring fields catch a value written with the wrong length.
  Packet packet({PacketField::Integer("before"), GetParam().field, PacketField::Integer("after")});
  auto row = packet.AddRow();
  row[0] = Variant(-1);
  row[1] = GetParam().value;
  row[2] = Variant(7);
  packet.AddRow();  // all Null

  const std::vector<std::uint8_t> bytes = data::EncodePacket(packet);
  const Packet back = data::DecodePacket(bytes);
  ASSERT_EQ(back.RowCount(), 2u);
  EXPECT_EQ(back.Row(0)[1].GetType(), GetParam().value.GetType());
  EXPECT_TRUE(back.Row(0)[1] == GetParam().value) << back.Row(0)[1].ToTextOrEmpty();
  EXPECT_TRUE(back == packet);
  EXPECT_EQ(data::EncodePacket(back), bytes);
}

const std::string kChinese = "审批表成批导入";  // 7 characters, 14 bytes in code page 936

INSTANTIATE_TEST_SUITE_P(
    EveryFieldType, RoundTrip,
    ::testing::Values(
        RoundTripCase{"ascii text", PacketField::Text("t", 20), Variant("abc")},
        RoundTripCase{"empty text", PacketField::Text("t", 20), Variant("")},
        RoundTripCase{"chinese text", PacketField::Text("t", 20), Variant(kChinese + " A1")},
        RoundTripCase{"text at width", PacketField::Text("t", 20), Variant(Repeat("x", 20))},
        RoundTripCase{"chinese at width", PacketField::Text("t", 20), Variant(Repeat("审", 10))},
        RoundTripCase{"one-byte prefix at 254", PacketField::Text("t", 254),
                      Variant(Repeat("y", 254))},
        RoundTripCase{"two-byte prefix at 255", PacketField::Text("t", 255),
                      Variant(Repeat("z", 255))},
        RoundTripCase{"long text", PacketField::Text("t", 4000),
                      Variant(Repeat(kChinese + "ab", 250))},
        RoundTripCase{"wide text", PacketField::WideText("w", 10),
                      Variant("宋体A\xF0\x9F\x98\x80")},
        RoundTripCase{"wide at width", PacketField::WideText("w", 10), Variant(Repeat("宋", 10))},
        RoundTripCase{"smallint", PacketField::SmallInt("i"), Variant(-32768)},
        RoundTripCase{"integer min", PacketField::Integer("i"),
                      Variant(std::numeric_limits<int>::min())},
        RoundTripCase{"integer max", PacketField::Integer("i"),
                      Variant(std::numeric_limits<int>::max())},
        RoundTripCase{"largeint small", PacketField::LargeInt("i"), Variant(12)},
        RoundTripCase{"largeint as double", PacketField::LargeInt("i"), Variant(-5000000000.0)},
        RoundTripCase{"largeint beyond 2^53", PacketField::LargeInt("i"),
                      Variant("9223372036854775807")},
        RoundTripCase{"int8", Custom("i", PacketType::Int, 1), Variant(-128)},
        RoundTripCase{"uint8", Custom("u", PacketType::UInt, 1), Variant(255)},
        RoundTripCase{"uint16", Custom("u", PacketType::UInt, 2), Variant(65535)},
        RoundTripCase{"uint32", Custom("u", PacketType::UInt, 4), Variant(4294967295.0)},
        RoundTripCase{"uint64", Custom("u", PacketType::UInt, 8), Variant("18446744073709551615")},
        RoundTripCase{"boolean true", PacketField::Boolean("b"), Variant(true)},
        RoundTripCase{"boolean false", PacketField::Boolean("b"), Variant(false)},
        RoundTripCase{"float", PacketField::Float("f"), Variant(0.1)},
        RoundTripCase{"float huge", PacketField::Float("f"), Variant(-1e300)},
        RoundTripCase{"float infinite", PacketField::Float("f"),
                      Variant(std::numeric_limits<double>::infinity())},
        RoundTripCase{"extended", Custom("e", PacketType::Float, 10), Variant(0.1)},
        RoundTripCase{"extended tiny", Custom("e", PacketType::Float, 10), Variant(-2.5e-300)},
        RoundTripCase{"single", Custom("s", PacketType::Single, 4), Variant(0.5)},
        RoundTripCase{"date", PacketField::Date("d"), Variant(base::DateTime{39955})},
        RoundTripCase{"date before 1899", PacketField::Date("d"), Variant(base::DateTime{-693593})},
        RoundTripCase{"time", PacketField::Time("t"), Variant(base::DateTime{0.75})},
        RoundTripCase{"datetime", PacketField::DateTime("dt"), Variant(base::DateTime{39955.5})},
        RoundTripCase{"datetime before 1899", PacketField::DateTime("dt"),
                      Variant(base::DateTime{-1.25})},
        RoundTripCase{"datetime year 9999", PacketField::DateTime("dt"),
                      Variant(base::DateTime{2958465.75})},
        RoundTripCase{"memo", PacketField::Memo("m"), Variant(Repeat(kChinese, 3000))},
        RoundTripCase{"wide memo", PacketField::WideMemo("m"),
                      Variant(Repeat("宋体\xF0\x9F\x98\x80", 100))},
        RoundTripCase{"blob", PacketField::Blob("b"),
                      Variant(std::vector<std::uint8_t>{0, 1, 0xFF, 0})},
        RoundTripCase{"empty blob", PacketField::Blob("b"), Variant(std::vector<std::uint8_t>{})},
        RoundTripCase{"fixed bytes", PacketField::Bytes("b", 4),
                      Variant(std::vector<std::uint8_t>{1, 2, 3, 4})},
        RoundTripCase{"varbytes", PacketField::VarBytes("b", 10),
                      Variant(std::vector<std::uint8_t>{9, 0, 7})}),
    packet_tests::CaseName<::testing::TestParamInfo<RoundTripCase>>);

TEST(RoundTrip, NullAndNotChangedFlagsKeepTheirPlaceAcrossBitmapBytes) {
  // Six fields need two bitmap bytes; the pattern puts a flag on each side of the split.
  std::vector<PacketField> fields;
  for (int i = 0; i < 6; ++i) fields.push_back(PacketField::Text("f" + std::to_string(i), 10));
  Packet packet(fields);
  const std::vector<Variant> pattern{Variant("a"), Variant(base::Null{}), Variant(), Variant("d"),
                                     Variant(),    Variant(base::Null{})};
  auto row = packet.AddRow(Packet::kModified);
  std::copy(pattern.begin(), pattern.end(), row.begin());

  const Packet back = data::DecodePacket(data::EncodePacket(packet));
  EXPECT_EQ(back.RowStatus(0), Packet::kModified);
  for (std::size_t i = 0; i < pattern.size(); ++i)
    EXPECT_TRUE(back.Row(0)[i] == pattern[i]) << "field " << i;
}

TEST(RoundTrip, PropertiesAttributesAndLongNamesSurvive) {
  PacketField field = PacketField::Text("f_a_field_name_longer_than_31_bytes", 12);
  field.attributes = PacketField::kReadOnly | PacketField::kRequired;
  field.properties.push_back(data::PacketProperty::Text("ORIGIN", "tbTdspzb.f_djh"));
  Packet packet({field});
  packet.Properties().push_back(data::PacketProperty{"CHANGE_LOG",
                                                     tw::Make(PacketType::UInt, 4, tw::kArray),
                                                     {1, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0}});
  packet.Properties().push_back(data::PacketProperty::Boolean("READONLY", true));

  const Packet back = data::DecodePacket(data::EncodePacket(packet));
  EXPECT_TRUE(back == packet);
  EXPECT_EQ(back.Fields()[0].FullName(), "f_a_field_name_longer_than_31_bytes");
  EXPECT_EQ(back.Fields()[0].Width(), 12);
  EXPECT_EQ(back.Fields()[0].FindProperty("origin")->AsText(), "tbTdspzb.f_djh");
  EXPECT_EQ(back.Properties()[1].AsInteger(), 0xFFFF);
}

TEST(RoundTrip, EmptyPacketsAndPacketsWithoutRows) {
  for (const Packet& packet : {Packet(), Packet({PacketField::Integer("x")})}) {
    const auto bytes = data::EncodePacket(packet);
    EXPECT_TRUE(data::DecodePacket(bytes) == packet);
    EXPECT_TRUE(data::PacketFromVariant(data::PacketToVariant(packet)) == packet);
  }
}

struct RefusedValue {
  const char* label;
  PacketField field;
  Variant value;
  const char* message;
};

void PrintTo(const RefusedValue& c, std::ostream* os) { *os << c.label; }

class Refused : public ::testing::TestWithParam<RefusedValue> {};

// The writer names the record and field and refuses rather than cut or mangle a value.
TEST_P(Refused, ValueThatDoesNotFitItsField) {
  Packet packet({PacketField::Integer("ok"), GetParam().field});
  packet.AddRow()[0] = Variant(1);
  packet.AddRow()[1] = GetParam().value;
  try {
    data::EncodePacket(packet);
    FAIL() << "accepted";
  } catch (const PacketError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("data packet: record 2, field '") +
                                         GetParam().field.name + "': " + GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Writer, Refused,
    ::testing::Values(
        RefusedValue{"ascii over width", PacketField::Text("t", 20), Variant(Repeat("x", 21)),
                     "a value of 21 bytes does not fit the field's 20"},
        RefusedValue{"chinese over width", PacketField::Text("f_zdrmc", 8), Variant("张三丰李四"),
                     "a value of 10 bytes does not fit the field's 8"},
        RefusedValue{"wide over width", PacketField::WideText("w", 2), Variant("abc"),
                     "a value of 6 bytes does not fit the field's 4"},
        RefusedValue{"outside code page 936", PacketField::Text("t", 20),
                     Variant("a\xF0\x9F\x98\x80"),
                     "text 'a\xF0\x9F\x98\x80' has characters that code page 936 cannot hold"},
        RefusedValue{"smallint overflow", PacketField::SmallInt("i"), Variant(40000),
                     "cannot store 40000 as a 2-byte integer"},
        RefusedValue{"negative unsigned", Custom("u", PacketType::UInt, 4), Variant(-1),
                     "cannot store -1 as a 4-byte integer"},
        RefusedValue{"text in integer", PacketField::Integer("i"), Variant("abc"),
                     "Could not convert variant of type (String) into type (Double)"},
        RefusedValue{"bytes in float", PacketField::Float("f"),
                     Variant(std::vector<std::uint8_t>{1}),
                     "Could not convert variant of type (Bytes) into type (Double)"},
        RefusedValue{"too many fixed bytes", PacketField::Bytes("b", 2),
                     Variant(std::vector<std::uint8_t>{1, 2, 3}),
                     "a value of 3 bytes does not fit the field's 2"},
        RefusedValue{"date out of range", PacketField::DateTime("d"),
                     Variant(base::DateTime{1e300}), "date or time out of range"},
        RefusedValue{"date before year 1", PacketField::DateTime("d"),
                     Variant(base::DateTime{-693594}), "date or time out of range"}),
    packet_tests::CaseName<::testing::TestParamInfo<RefusedValue>>);

TEST(Writer, RefusesNamesThePacketCannotHold) {
  EXPECT_THROW(data::EncodePacket(Packet({PacketField::Integer("")})), PacketError);
  EXPECT_THROW(data::EncodePacket(Packet({PacketField::Integer(std::string(256, 'n'))})),
               PacketError);
  EXPECT_THROW(PacketField::Text("t", 70000), PacketError);
}

}  // namespace
