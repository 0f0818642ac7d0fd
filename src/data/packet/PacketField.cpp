#include "data/packet/PacketField.h"

#include "base/Text.h"
#include "data/Collation.h"
#include "data/packet/PacketError.h"

namespace data {
namespace {

// The platform's reader keeps 31 bytes of a name; longer names travel in FIELDNAME too.
constexpr std::size_t kMaxShortName = 31;

PacketField Describe(std::string name, std::uint32_t typeWord,
                     std::vector<PacketProperty> properties = {}) {
  if (base::AnsiLength(name) > kMaxShortName)
    properties.push_back(PacketProperty::Text("FIELDNAME", name));
  return PacketField{std::move(name), typeWord, 0, std::move(properties)};
}

std::uint16_t CheckedWidth(const std::string& name, long long width) {
  if (width < 0 || width > 0xFFFF)
    throw PacketError("field '" + name + "': width " + std::to_string(width) + " out of range");
  return static_cast<std::uint16_t>(width);
}

// Strings shorter than 255 bytes get a one-byte length prefix, longer ones two bytes.
PacketField Varying(std::string name, PacketType type, long long widthBytes) {
  const std::uint16_t width = CheckedWidth(name, widthBytes);
  const std::uint16_t prefix = width < 255 ? 1 : 2;
  return Describe(std::move(name), type_word::Make(type, prefix, type_word::kVarying),
                  {PacketProperty::UInt16("WIDTH", width)});
}

PacketField BlobField(std::string name, const char* subtype) {
  return Describe(std::move(name), type_word::Make(PacketType::Bytes, 4, type_word::kVarying),
                  {PacketProperty::Text("SUBTYPE", subtype)});
}

}  // namespace

PacketField PacketField::Text(std::string name, int widthBytes) {
  return Varying(std::move(name), PacketType::AnsiText, widthBytes);
}

PacketField PacketField::WideText(std::string name, int widthChars) {
  return Varying(std::move(name), PacketType::WideText, 2LL * widthChars);
}

PacketField PacketField::SmallInt(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Int, 2));
}

PacketField PacketField::Integer(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Int, 4));
}

PacketField PacketField::LargeInt(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Int, 8));
}

PacketField PacketField::Boolean(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Bool, 2));
}

PacketField PacketField::Float(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Float, 8));
}

PacketField PacketField::Date(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Date, 4));
}

PacketField PacketField::Time(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Time, 4));
}

PacketField PacketField::DateTime(std::string name) {
  return Describe(std::move(name), type_word::Make(PacketType::Timestamp, 8));
}

PacketField PacketField::Memo(std::string name) { return BlobField(std::move(name), "Text"); }

PacketField PacketField::WideMemo(std::string name) {
  return BlobField(std::move(name), "WideText");
}

PacketField PacketField::Blob(std::string name) { return BlobField(std::move(name), "Binary"); }

PacketField PacketField::Bytes(std::string name, int size) {
  const std::uint16_t checked = CheckedWidth(name, size);
  return Describe(std::move(name), type_word::Make(PacketType::Bytes, checked));
}

PacketField PacketField::VarBytes(std::string name, int size) {
  return Varying(std::move(name), PacketType::Bytes, size);
}

const PacketProperty* PacketField::FindProperty(std::string_view propertyName) const {
  for (const PacketProperty& p : properties)
    if (EqualsIgnoreCase(p.name, propertyName)) return &p;
  return nullptr;
}

int PacketField::Width() const {
  const PacketProperty* width = FindProperty("WIDTH");
  const auto value = width ? width->AsInteger() : std::nullopt;
  return value && *value >= 0 && *value <= 0x7FFFFFFF ? static_cast<int>(*value) : 0;
}

std::string PacketField::Subtype() const {
  const PacketProperty* subtype = FindProperty("SUBTYPE");
  return subtype ? subtype->AsText().value_or(std::string()) : std::string();
}

std::string PacketField::FullName() const {
  const PacketProperty* full = FindProperty("FIELDNAME");
  const auto text = full ? full->AsText() : std::nullopt;
  return text && !text->empty() ? *text : name;
}

}  // namespace data
