#pragma once
// The descriptor of one field of a data packet: name, type word, attribute flags and
// properties. The factories build the descriptors the platform writes for its usual
// field types; decoded packets keep whatever they carried.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/packet/PacketProperty.h"
#include "data/packet/PacketType.h"

namespace data {

struct PacketField {
  // Attribute flags.
  static constexpr std::uint16_t kHidden = 0x0001;
  static constexpr std::uint16_t kReadOnly = 0x0002;
  static constexpr std::uint16_t kRequired = 0x0004;
  static constexpr std::uint16_t kLink = 0x0008;

  // Field name as stored (the platform keeps at most 31 bytes, see FullName).
  std::string name;
  // Type word: type code, size and flags (see PacketType.h).
  std::uint32_t typeWord = 0;
  // Attribute flags (kHidden, kReadOnly, ...).
  std::uint16_t attributes = 0;
  // Field properties in stored order (WIDTH, SUBTYPE, ...).
  std::vector<PacketProperty> properties;

  // Text in code page 936, at most widthBytes bytes.
  static PacketField Text(std::string name, int widthBytes);
  // Text in UTF-16, at most widthChars UTF-16 units.
  static PacketField WideText(std::string name, int widthChars);
  // Signed integers of 2, 4 and 8 bytes.
  static PacketField SmallInt(std::string name);
  static PacketField Integer(std::string name);
  static PacketField LargeInt(std::string name);
  // A Boolean stored in two bytes.
  static PacketField Boolean(std::string name);
  // A double.
  static PacketField Float(std::string name);
  // A date, a time of day, a date and time.
  static PacketField Date(std::string name);
  static PacketField Time(std::string name);
  static PacketField DateTime(std::string name);
  // Long text in code page 936 (a memo), long UTF-16 text, binary data.
  static PacketField Memo(std::string name);
  static PacketField WideMemo(std::string name);
  static PacketField Blob(std::string name);
  // Binary data of exactly `size` bytes, and of at most `size` bytes.
  static PacketField Bytes(std::string name, int size);
  static PacketField VarBytes(std::string name, int size);

  PacketType Type() const { return type_word::TypeOf(typeWord); }
  // Fixed value size, or the width of the length prefix of a varying field.
  std::uint16_t Size() const { return type_word::SizeOf(typeWord); }
  bool IsVarying() const { return (typeWord & type_word::kVarying) != 0; }

  // The property of that name (case-insensitive), or nullptr.
  const PacketProperty* FindProperty(std::string_view propertyName) const;
  // WIDTH: the maximum length in bytes of a text or byte field; 0 when not given.
  int Width() const;
  // SUBTYPE, e.g. "Text" for a memo; empty when not given.
  std::string Subtype() const;
  // The full name: the FIELDNAME property that long names carry, else `name`.
  std::string FullName() const;

  friend bool operator==(const PacketField&, const PacketField&) = default;
};

}  // namespace data
