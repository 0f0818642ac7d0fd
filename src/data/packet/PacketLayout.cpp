#include "data/packet/PacketLayout.h"

#include <string>

#include "data/Collation.h"

namespace data {
namespace {

using Kind = ValueLayout::Kind;

const char* TypeName(PacketType type) {
  switch (type) {
    case PacketType::Bcd:
      return "BCD";
    case PacketType::Adt:
      return "ADT";
    case PacketType::Array:
      return "array";
    case PacketType::EmbeddedTable:
      return "nested table";
    case PacketType::Reference:
      return "reference";
    case PacketType::SqlTimestamp:
      return "SQL timestamp";
    case PacketType::FmtBcd:
      return "FMTBcd";
    default:
      return nullptr;
  }
}

[[noreturn]] void Unsupported(const PacketField& field, std::size_t offset) {
  const char* known = TypeName(field.Type());
  const std::string type = known ? std::string(known) + " type"
                                 : "type code " + std::to_string(static_cast<int>(field.Type()));
  throw PacketError("field '" + field.name + "' has " + type + " (size " +
                        std::to_string(field.Size()) + "), which this reader does not support",
                    offset);
}

// Memos travel as BYTES; their SUBTYPE says whether the bytes are ANSI or UTF-16 text.
Kind BytesKind(const PacketField& field) {
  const std::string subtype = field.Subtype();
  if (EqualsIgnoreCase(subtype, "Text") || EqualsIgnoreCase(subtype, "Formatted") ||
      EqualsIgnoreCase(subtype, "HMemo"))
    return Kind::AnsiText;
  if (EqualsIgnoreCase(subtype, "WideText")) return Kind::WideText;
  return Kind::Bytes;
}

bool OneOf(std::uint16_t size, std::initializer_list<std::uint16_t> sizes) {
  for (std::uint16_t s : sizes)
    if (size == s) return true;
  return false;
}

}  // namespace

ValueLayout LayoutOf(const PacketField& field, std::size_t offset) {
  constexpr std::uint32_t kComposite =
      type_word::kArray | type_word::kPseudo | type_word::kCompArray | type_word::kEmbedded;
  if (field.typeWord & kComposite) Unsupported(field, offset);
  const std::uint16_t size = field.Size();
  const bool varying = field.IsVarying();
  ValueLayout layout;
  layout.size = size;
  const auto fixed = [&](Kind kind, std::initializer_list<std::uint16_t> sizes) {
    if (varying || !OneOf(size, sizes)) Unsupported(field, offset);
    layout.kind = kind;
    layout.maxBytes = size;
    return layout;
  };
  switch (field.Type()) {
    case PacketType::Int:
      return fixed(Kind::Int, {1, 2, 4, 8});
    case PacketType::UInt:
      return fixed(Kind::UInt, {1, 2, 4, 8});
    case PacketType::Bool:
      return fixed(Kind::Bool, {1, 2, 4});
    case PacketType::Float:
      return fixed(size == 10 ? Kind::Extended : Kind::Float, {8, 10});
    case PacketType::Single:
      return fixed(Kind::Single, {4});
    case PacketType::Date:
      return fixed(Kind::Date, {4});
    case PacketType::Time:
      return fixed(Kind::Time, {4});
    case PacketType::Timestamp:
      return fixed(Kind::Timestamp, {8});
    case PacketType::AnsiText:
      layout.kind = Kind::AnsiText;
      break;
    case PacketType::WideText:
      layout.kind = Kind::WideText;
      break;
    case PacketType::Bytes:
      layout.kind = BytesKind(field);
      break;
    default:
      Unsupported(field, offset);
  }
  if (!varying) {
    if (layout.kind == Kind::WideText && size % 2 != 0) Unsupported(field, offset);
    layout.maxBytes = size;
    return layout;
  }
  if (!OneOf(size, {1, 2, 4})) Unsupported(field, offset);
  layout.prefix = static_cast<std::uint8_t>(size);
  layout.size = 0;
  layout.blob = size == 4 && field.Type() == PacketType::Bytes;
  layout.maxBytes = size == 1 ? 0xFF : size == 2 ? 0xFFFF : 0x7FFFFFFF;
  const int width = field.Width();
  if (!layout.blob && width > 0 && static_cast<std::uint32_t>(width) < layout.maxBytes)
    layout.maxBytes = static_cast<std::uint32_t>(width);
  return layout;
}

}  // namespace data
