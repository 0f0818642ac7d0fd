#pragma once
// How the values of one field are stored in a record, worked out once per field from
// its type word and SUBTYPE. Shared by the packet reader and writer.
#include <cstddef>
#include <cstdint>

#include "data/packet/PacketError.h"
#include "data/packet/PacketField.h"

namespace data {

struct ValueLayout {
  enum class Kind : std::uint8_t {
    Int,
    UInt,
    Bool,
    Float,
    Extended,
    Single,
    Date,
    Time,
    Timestamp,
    AnsiText,
    WideText,
    Bytes
  };
  Kind kind = Kind::Int;
  // Width of the length prefix (1, 2 or 4), or 0 for a value of fixed size.
  std::uint8_t prefix = 0;
  // The fixed size in bytes (prefix == 0).
  std::uint16_t size = 0;
  // A BLOB length: its top bit marks a value that was not fetched.
  bool blob = false;
  // Most bytes a value may take when written (WIDTH, else what the prefix can express).
  std::uint32_t maxBytes = 0;
};

// The layout of a field's values; PacketError (at `offset`) for a type this codec
// does not read or write.
ValueLayout LayoutOf(const PacketField& field, std::size_t offset = PacketError::kNoOffset);

}  // namespace data
