#pragma once
// Type codes and the 32-bit type word of the client-dataset data packet. A type word
// packs a value size (bits 0-15), a type code (bits 16-21) and flags; fields and
// properties both use it.
#include <cstdint>

namespace data {

// Type codes as stored in a packet (not the in-memory field type codes).
enum class PacketType : std::uint8_t {
  Unknown = 0,
  Int = 1,    // signed integer, size 1/2/4/8
  UInt = 2,   // unsigned integer, size 1/2/4/8
  Bool = 3,   // size 1/2/4, non-zero is true
  Float = 4,  // IEEE double (size 8) or 80-bit extended (size 10)
  Bcd = 5,
  Date = 6,       // int32 day number counted from 0001-01-01 plus one
  Time = 7,       // int32 milliseconds since midnight
  Timestamp = 8,  // double milliseconds, Date * 86400000 + Time
  AnsiText = 9,   // code page 936 bytes
  WideText = 10,  // UTF-16LE, the length counts bytes
  Bytes = 11,     // raw bytes, memos and BLOBs
  Adt = 12,
  Array = 13,
  EmbeddedTable = 14,
  Reference = 15,
  SqlTimestamp = 17,
  FmtBcd = 18,
  Single = 27,  // IEEE float, size 4
};

namespace type_word {

constexpr std::uint32_t kSizeMask = 0x0000FFFF;
constexpr std::uint32_t kTypeMask = 0x003F0000;
constexpr int kTypeShift = 16;
constexpr std::uint32_t kVarying = 0x00400000;  // value has a 1/2/4-byte length prefix
constexpr std::uint32_t kArray = 0x00800000;    // UINT32 count, then count elements
constexpr std::uint32_t kPseudo = 0x01000000;   // composite field (ADT, array, table)
constexpr std::uint32_t kCompArray = 0x02000000;
constexpr std::uint32_t kEmbedded = 0x04000000;
constexpr std::uint32_t kIncInDelta = 0x80000000;  // properties: sent back in deltas

// The type word for a value of the given type, size and flags.
constexpr std::uint32_t Make(PacketType type, std::uint16_t size, std::uint32_t flags = 0) {
  return (static_cast<std::uint32_t>(type) << kTypeShift) | size | flags;
}
// The type code of a type word.
constexpr PacketType TypeOf(std::uint32_t word) {
  return static_cast<PacketType>((word & kTypeMask) >> kTypeShift);
}
// The size bits of a type word: fixed size, or the width of the length prefix.
constexpr std::uint16_t SizeOf(std::uint32_t word) {
  return static_cast<std::uint16_t>(word & kSizeMask);
}

}  // namespace type_word
}  // namespace data
