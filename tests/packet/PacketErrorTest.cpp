// The reader treats its input as hostile: every truncated or inconsistent packet is
// a PacketError that says what is wrong and where, never a crash or an over-read.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/packet/PacketCodec.h"
#include "packet/CaseName.h"
#include "packet/PacketSamples.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using data::PacketError;

struct Damage {
  const char* label;
  std::size_t at;       // where the sample is overwritten
  Bytes with;           // the bytes written there (appended when `at` is the end)
  const char* message;  // expected text after "data packet: "
  std::size_t offset;   // expected offset
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.label; }

class Damaged : public ::testing::TestWithParam<Damage> {};

TEST_P(Damaged, SmallPacketIsRefusedWithFaultAndOffset) {
  Bytes bytes = packet_samples::SmallPacket();
  const Damage& d = GetParam();
  if (bytes.size() < d.at + d.with.size()) bytes.resize(d.at + d.with.size());
  std::copy(d.with.begin(), d.with.end(), bytes.begin() + static_cast<std::ptrdiff_t>(d.at));
  try {
    data::DecodePacket(bytes);
    FAIL() << "accepted";
  } catch (const PacketError& e) {
    EXPECT_EQ(std::string(e.what()),
              "data packet: " + std::string(d.message) + " at offset " + std::to_string(d.offset));
    EXPECT_EQ(e.Offset(), d.offset);
  }
}

// Offsets in the sample: header 0x00, field "ID" 0x18, field "NAME" 0x23 (type word
// 0x28), WIDTH 0x30, packet properties 0x3C, record 1 0x3E, record 2 0x47, end 0x4D.
INSTANTIATE_TEST_SUITE_P(
    Reader, Damaged,
    ::testing::Values(
        Damage{
            "magic", 0, {0x78, 0x56, 0x34, 0x12}, "not a data packet (magic number 0x12345678)", 0},
        Damage{"version", 4, {0x04, 0x00}, "version 4.0 is not supported", 4},
        Damage{"header size", 8, {0x10}, "header size 16 does not fit the packet", 8},
        Damage{"continuation", 18, {0x02}, "no field descriptors (a continuation packet)", 18},
        Damage{"xml records", 18, {0x03, 0x80}, "records stored as XML", 18},
        Damage{"record offset",
               22,
               {0x3F},
               "the header puts the first record at offset 63 but the field descriptors end at "
               "offset 62",
               22},
        Damage{"record count",
               14,
               {0xFF, 0xFF, 0xFF, 0xFF},
               "the header announces 4294967295 records but only 15 bytes follow the field "
               "descriptors",
               14},
        Damage{"empty field name", 0x18, {0x00}, "field 1 has an empty name", 0x18},
        Damage{"name past the end",
               0x23,
               {0xFF},
               "truncated: the name of field 2 needs 255 bytes but 41 are left",
               0x24},
        Damage{"bcd field",
               0x28,
               {0x12, 0x00, 0x05, 0x00},
               "field 'NAME' has BCD type (size 18), which this reader does not support",
               0x23},
        Damage{"three-byte prefix",
               0x28,
               {0x03},
               "field 'NAME' has type code 9 (size 3), which this reader does not support",
               0x23},
        Damage{"nested table",
               0x28,
               {0x00, 0x00, 0x0E, 0x04},
               "field 'NAME' has nested table type (size 0), which this reader does not support",
               0x23},
        Damage{"empty property name",
               0x30,
               {0x00},
               "a property of field 'NAME' has an empty name",
               0x30},
        Damage{"value past the end",
               0x44,
               {0x09},
               "truncated: record 1, field 'NAME' needs 9 bytes but 8 are left",
               0x45},
        Damage{"missing record",
               0x0E,
               {0x03},
               "truncated: record 3 needs 2 bytes but 0 are left",
               0x4D},
        Damage{"trailing byte", 0x4D, {0x00}, "1 byte(s) after the last record", 0x4D}),
    packet_tests::CaseName<::testing::TestParamInfo<Damage>>);

TEST(Reader, EveryTruncationIsAnError) {
  for (const Bytes* sample : {&packet_samples::SmallPacket(), &packet_samples::RichPacket()}) {
    for (std::size_t length = 0; length < sample->size(); ++length) {
      const Bytes cut(sample->begin(), sample->begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_THROW(data::DecodePacket(cut), PacketError) << "length " << length;
    }
  }
}

// Any single corrupted byte either still reads as a packet or is a PacketError; run
// under the sanitizers this also shows that nothing is read outside the buffer.
TEST(Reader, CorruptedBytesNeverEscapeAsOtherErrors) {
  for (const Bytes* sample : {&packet_samples::SmallPacket(), &packet_samples::RichPacket()}) {
    for (std::size_t at = 0; at < sample->size(); ++at) {
      for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
        Bytes bytes = *sample;
        bytes[at] = value;
        try {
          data::DecodePacket(bytes);
        } catch (const PacketError&) {
        }
      }
    }
  }
}

TEST(Reader, OtherInputsAreNamed) {
  const std::string xml = "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"/>";
  EXPECT_THROW(
      {
        try {
          data::DecodePacket(Bytes(xml.begin(), xml.end()));
        } catch (const PacketError& e) {
          EXPECT_STREQ(e.what(),
                       "data packet: an XML data packet; only binary packets are read at offset 0");
          throw;
        }
      },
      PacketError);
  try {
    data::PacketFromVariant(base::Variant("text"));
    FAIL();
  } catch (const PacketError& e) {
    EXPECT_STREQ(e.what(), "data packet: expected a byte array, got a Variant of type String");
  }
}

TEST(Reader, OddUtf16LengthIsRefused) {
  Bytes bytes = packet_samples::RichPacket();
  bytes[0xC8] = 0x03;  // record 1, f_mc: 3 bytes of UTF-16 instead of 4
  try {
    data::DecodePacket(bytes);
    FAIL();
  } catch (const PacketError& e) {
    EXPECT_EQ(std::string(e.what()),
              "data packet: record 1, field 'f_mc': UTF-16 text of an odd number of bytes (3) at "
              "offset 201");
  }
}

// A time stamp counts milliseconds from 0001-01-01: smaller values name no date.
TEST(Reader, TimeStampBeforeTheFirstDayIsRefused) {
  data::Packet packet({data::PacketField::DateTime("dt")});
  packet.AddRow()[0] = base::Variant(base::DateTime{39955.5});
  Bytes bytes = data::EncodePacket(packet);
  std::fill(bytes.end() - 8, bytes.end(), 0);  // the value: 0.0 ms
  try {
    data::DecodePacket(bytes);
    FAIL();
  } catch (const PacketError& e) {
    EXPECT_EQ(std::string(e.what()),
              "data packet: record 1, field 'dt': time stamp out of range at offset " +
                  std::to_string(bytes.size() - 8));
  }
}

}  // namespace
