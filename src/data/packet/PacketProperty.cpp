#include "data/packet/PacketProperty.h"

#include "base/Text.h"
#include "data/packet/LittleEndian.h"
#include "data/packet/PacketText.h"
#include "data/packet/PacketType.h"

namespace data {
namespace {

template <class T>
PacketProperty Fixed(std::string name, PacketType type, T value) {
  PacketProperty p{std::move(name), type_word::Make(type, sizeof(T)), {}};
  le::Append(p.value, value);
  return p;
}

}  // namespace

PacketProperty PacketProperty::UInt16(std::string name, std::uint16_t value) {
  return Fixed(std::move(name), PacketType::UInt, value);
}

PacketProperty PacketProperty::Int32(std::string name, std::int32_t value) {
  return Fixed(std::move(name), PacketType::Int, value);
}

PacketProperty PacketProperty::Boolean(std::string name, bool value) {
  return Fixed(std::move(name), PacketType::Bool, static_cast<std::uint16_t>(value ? 0xFFFF : 0));
}

PacketProperty PacketProperty::Text(std::string name, std::string_view utf8) {
  const std::string ansi = base::Utf8ToAnsi(utf8);
  PacketProperty p{std::move(name), type_word::Make(PacketType::AnsiText, 2, type_word::kVarying),
                   std::vector<std::uint8_t>(ansi.begin(), ansi.end())};
  p.value.push_back(0);
  return p;
}

std::optional<std::int64_t> PacketProperty::AsInteger() const {
  if (typeWord & (type_word::kVarying | type_word::kArray)) return std::nullopt;
  const PacketType type = type_word::TypeOf(typeWord);
  const bool isSigned = type == PacketType::Int;
  if (!isSigned && type != PacketType::UInt && type != PacketType::Bool) return std::nullopt;
  if (value.size() != type_word::SizeOf(typeWord)) return std::nullopt;
  switch (value.size()) {
    case 1:
      return isSigned ? le::Load<std::int8_t>(value.data()) : le::Load<std::uint8_t>(value.data());
    case 2:
      return isSigned ? le::Load<std::int16_t>(value.data())
                      : le::Load<std::uint16_t>(value.data());
    case 4:
      return isSigned ? le::Load<std::int32_t>(value.data())
                      : le::Load<std::uint32_t>(value.data());
    case 8:
      return le::Load<std::int64_t>(value.data());
    default:
      return std::nullopt;
  }
}

std::optional<std::string> PacketProperty::AsText() const {
  if (typeWord & type_word::kArray) return std::nullopt;
  switch (type_word::TypeOf(typeWord)) {
    case PacketType::AnsiText:
      return packet_text::FromAnsi(value.data(), value.size());
    case PacketType::WideText:
      return packet_text::FromWide(value.data(), value.size());
    default:
      return std::nullopt;
  }
}

}  // namespace data
