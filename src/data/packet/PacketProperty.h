#pragma once
// A named property ("optional parameter") of a field or of the whole packet, e.g.
// WIDTH, SUBTYPE, LCID. The value is kept as stored so that a packet read and written
// again keeps every property byte for byte.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace data {

struct PacketProperty {
  // Property keyword, e.g. "WIDTH".
  std::string name;
  // Type word of the value (see PacketType.h), flags included.
  std::uint32_t typeWord = 0;
  // Value bytes without the length prefix or the element count.
  std::vector<std::uint8_t> value;

  // An unsigned 16-bit integer property, as the client dataset writes WIDTH.
  static PacketProperty UInt16(std::string name, std::uint16_t value);
  // A signed 32-bit integer property.
  static PacketProperty Int32(std::string name, std::int32_t value);
  // A text property in code page 936 with the terminating NUL the platform stores.
  static PacketProperty Text(std::string name, std::string_view utf8);
  // A Boolean property (true is stored as 0xFFFF).
  static PacketProperty Boolean(std::string name, bool value);

  // The value of a single integer or Boolean property; nullopt for other types.
  std::optional<std::int64_t> AsInteger() const;
  // The value of a text property in UTF-8 without trailing NULs; nullopt otherwise.
  std::optional<std::string> AsText() const;

  friend bool operator==(const PacketProperty&, const PacketProperty&) = default;
};

}  // namespace data
