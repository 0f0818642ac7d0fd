// DecodePacket: reads a binary data packet, trusting nothing in it.
#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

#include "data/packet/LittleEndian.h"
#include "data/packet/PacketCodec.h"
#include "data/packet/PacketFormat.h"
#include "data/packet/PacketLayout.h"
#include "data/packet/PacketText.h"
#include "data/packet/PacketValues.h"

namespace data {
namespace {

using base::Variant;
using Kind = ValueLayout::Kind;

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

// A cursor over the packet that never moves past its end. `what` names the bytes
// being read for the error message; it is a text or a callable giving one, so that
// the record loop builds no text unless it fails.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : data_(bytes.data()), size_(bytes.size()) {}

  std::size_t Offset() const { return pos_; }
  std::size_t Left() const { return size_ - pos_; }
  void Seek(std::size_t offset) { pos_ = offset; }

  template <class What>
  const std::uint8_t* Take(std::uint64_t count, const What& what) {
    if (count > Left()) Truncated(count, Describe(what));
    const std::uint8_t* at = data_ + pos_;
    pos_ += static_cast<std::size_t>(count);
    return at;
  }
  template <class T, class What>
  T Read(const What& what) {
    return le::Load<T>(Take(sizeof(T), what));
  }

 private:
  static std::string Describe(const char* what) { return what; }
  static std::string Describe(const std::string& what) { return what; }
  template <class F>
  static std::string Describe(const F& what) {
    return what();
  }
  [[noreturn]] void Truncated(std::uint64_t count, const std::string& what) const {
    throw PacketError("truncated: " + what + " needs " + std::to_string(count) + " bytes but " +
                          std::to_string(Left()) + " are left",
                      pos_);
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A length prefix of 1, 2 or 4 bytes.
template <class What>
std::uint32_t ReadLength(Reader& in, std::uint8_t prefix, const What& what) {
  switch (prefix) {
    case 1:
      return in.Read<std::uint8_t>(what);
    case 2:
      return in.Read<std::uint16_t>(what);
    default:
      return in.Read<std::uint32_t>(what);
  }
}

PacketProperty ReadProperty(Reader& in, const std::string& owner) {
  const std::size_t at = in.Offset();
  const std::uint8_t length = in.Read<std::uint8_t>("a property name of " + owner);
  if (length == 0) throw PacketError("a property of " + owner + " has an empty name", at);
  const std::uint8_t* name = in.Take(length, "a property name of " + owner);
  PacketProperty property{packet_text::FromAnsi(name, length), 0, {}};
  const std::string what = "property " + Quoted(property.name) + " of " + owner;
  const std::size_t typeAt = in.Offset();
  property.typeWord = in.Read<std::uint32_t>(what);
  const std::uint16_t size = type_word::SizeOf(property.typeWord);
  std::uint64_t bytes = size;
  if (property.typeWord & type_word::kArray) {
    const std::uint32_t count = in.Read<std::uint32_t>(what);
    if (size == 0 && count != 0)
      throw PacketError(what + " is an array of elements without size", typeAt);
    bytes = std::uint64_t{count} * size;
  } else if (property.typeWord & type_word::kVarying) {
    if (size != 1 && size != 2 && size != 4)
      throw PacketError(what + " has a length prefix of " + std::to_string(size) + " bytes",
                        typeAt);
    bytes = ReadLength(in, static_cast<std::uint8_t>(size), what);
  }
  const std::uint8_t* value = in.Take(bytes, what);
  property.value.assign(value, value + bytes);
  return property;
}

std::vector<PacketProperty> ReadProperties(Reader& in, const std::string& owner) {
  const std::uint16_t count = in.Read<std::uint16_t>("the property count of " + owner);
  std::vector<PacketProperty> properties;
  properties.reserve(std::min<std::size_t>(count, in.Left() / 6));
  for (std::uint16_t i = 0; i < count; ++i) properties.push_back(ReadProperty(in, owner));
  return properties;
}

PacketField ReadField(Reader& in, std::size_t index) {
  const std::string owner = "field " + std::to_string(index + 1);
  const std::size_t at = in.Offset();
  const std::uint8_t length = in.Read<std::uint8_t>("the name of " + owner);
  if (length == 0) throw PacketError(owner + " has an empty name", at);
  const std::uint8_t* name = in.Take(length, "the name of " + owner);
  PacketField field;
  field.name = packet_text::FromAnsi(name, length);
  const std::string what = "the descriptor of field " + Quoted(field.name);
  field.typeWord = in.Read<std::uint32_t>(what);
  field.attributes = in.Read<std::uint16_t>(what);
  field.properties = ReadProperties(in, "field " + Quoted(field.name));
  return field;
}

Variant FromInt64(std::int64_t v) {
  if (v >= std::numeric_limits<std::int32_t>::min() &&
      v <= std::numeric_limits<std::int32_t>::max())
    return Variant(static_cast<int>(v));
  constexpr std::int64_t kExact = std::int64_t{1} << 53;  // doubles hold every integer up to here
  if (v >= -kExact && v <= kExact) return Variant(static_cast<double>(v));
  return Variant(std::to_string(v));
}

Variant FromUInt64(std::uint64_t v) {
  if (v <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
    return FromInt64(static_cast<std::int64_t>(v));
  return Variant(std::to_string(v));
}

// Reads the records, one value per field whose two null bits are clear.
class RecordReader {
 public:
  RecordReader(Reader& in, const std::vector<PacketField>& fields,
               const std::vector<ValueLayout>& layouts)
      : in_(in), fields_(fields), layouts_(layouts) {}

  void ReadAll(std::uint32_t rowCount) {
    const std::size_t fieldCount = layouts_.size();
    const std::size_t headBytes = 1 + (fieldCount + 3) / 4;
    statuses_.reserve(rowCount);
    values_.reserve(std::size_t{rowCount} * fieldCount);
    for (row_ = 0; row_ < rowCount; ++row_) {
      field_ = fieldCount;  // no field named while the record's head is read
      const std::uint8_t* head = in_.Take(headBytes, [this] { return Where(); });
      statuses_.push_back(head[0]);
      const std::uint8_t* nullBits = head + 1;
      for (field_ = 0; field_ < fieldCount; ++field_) {
        const unsigned bits = (nullBits[field_ / 4] >> (2 * (field_ % 4))) & 3u;
        if (bits == 0)
          values_.push_back(ReadValue(layouts_[field_]));
        else if (bits == format::kBlankNotChanged)
          values_.emplace_back();
        else
          values_.emplace_back(base::Null{});
      }
    }
  }

  std::vector<std::uint8_t>& Statuses() { return statuses_; }
  std::vector<Variant>& Values() { return values_; }

 private:
  std::string Where() const {
    std::string where = "record " + std::to_string(row_ + 1);
    if (field_ < layouts_.size()) where += ", field " + Quoted(fields_[field_].name);
    return where;
  }
  [[noreturn]] void Fail(const std::string& fault, std::size_t at) const {
    throw PacketError(Where() + ": " + fault, at);
  }

  template <class T>
  T Load(std::size_t size) {
    return le::Load<T>(in_.Take(size, [this] { return Where(); }));
  }

  Variant ReadValue(const ValueLayout& layout) {
    const auto where = [this] { return Where(); };
    const std::size_t at = in_.Offset();
    switch (layout.kind) {
      case Kind::Int:
        switch (layout.size) {
          case 1:
            return Variant(int{Load<std::int8_t>(1)});
          case 2:
            return Variant(int{Load<std::int16_t>(2)});
          case 4:
            return Variant(int{Load<std::int32_t>(4)});
          default:
            return FromInt64(Load<std::int64_t>(8));
        }
      case Kind::UInt:
        switch (layout.size) {
          case 1:
            return Variant(int{Load<std::uint8_t>(1)});
          case 2:
            return Variant(int{Load<std::uint16_t>(2)});
          case 4:
            return FromUInt64(Load<std::uint32_t>(4));
          default:
            return FromUInt64(Load<std::uint64_t>(8));
        }
      case Kind::Bool: {
        const std::uint8_t* p = in_.Take(layout.size, where);
        return Variant(std::any_of(p, p + layout.size, [](std::uint8_t b) { return b != 0; }));
      }
      case Kind::Float:
        return Variant(Load<double>(8));
      case Kind::Extended:
        return Variant(packet_values::ExtendedToDouble(in_.Take(10, where)));
      case Kind::Single:
        return Variant(static_cast<double>(Load<float>(4)));
      case Kind::Date:
        return Variant(base::DateTime{packet_values::DateFromDayNumber(Load<std::int32_t>(4))});
      case Kind::Time:
        return Variant(base::DateTime{packet_values::TimeFromMilliseconds(Load<std::int32_t>(4))});
      case Kind::Timestamp: {
        const auto days = packet_values::DateFromTimestamp(Load<double>(8));
        if (!days) Fail("time stamp out of range", at);
        return Variant(base::DateTime{*days});
      }
      default:
        return ReadBytes(layout);
    }
  }

  Variant ReadBytes(const ValueLayout& layout) {
    const auto where = [this] { return Where(); };
    std::uint32_t count = layout.size;
    if (layout.prefix != 0) {
      count = ReadLength(in_, layout.prefix, where);
      // A BLOB the provider did not send: there is no value here.
      if (layout.blob && (count & format::kDelayedBlob)) return Variant(base::Null{});
    }
    const std::size_t at = in_.Offset();
    const std::uint8_t* p = in_.Take(count, where);
    switch (layout.kind) {
      case Kind::AnsiText:
        return Variant(packet_text::FromAnsi(p, count));
      case Kind::WideText:
        if (count % 2 != 0)
          Fail("UTF-16 text of an odd number of bytes (" + std::to_string(count) + ")", at);
        return Variant(packet_text::FromWide(p, count));
      default:
        return Variant(std::vector<std::uint8_t>(p, p + count));
    }
  }

  Reader& in_;
  const std::vector<PacketField>& fields_;
  const std::vector<ValueLayout>& layouts_;
  std::vector<std::uint8_t> statuses_;
  std::vector<Variant> values_;
  std::size_t row_ = 0;
  std::size_t field_ = 0;
};

bool LooksLikeXml(std::span<const std::uint8_t> bytes) {
  std::size_t i = 0;
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) i = 3;
  while (i < bytes.size() &&
         (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\t'))
    ++i;
  return i < bytes.size() && bytes[i] == '<';
}

}  // namespace

Packet DecodePacket(std::span<const std::uint8_t> bytes) {
  if (LooksLikeXml(bytes)) throw PacketError("an XML data packet; only binary packets are read", 0);
  Reader in(bytes);
  const std::uint8_t* header = in.Take(format::kHeaderSize, "the header");
  const auto magic = le::Load<std::uint32_t>(header);
  if (magic != format::kMagic && magic != format::kOldMagic)
    throw PacketError("not a data packet (magic number " + Hex(magic) + ")", 0);
  const auto major = le::Load<std::uint16_t>(header + 4);
  const auto minor = le::Load<std::uint16_t>(header + 6);
  if (major > format::kMaxVersion || minor > format::kMaxVersion)
    throw PacketError(
        "version " + std::to_string(major) + "." + std::to_string(minor) + " is not supported", 4);
  const auto headerSize = le::Load<std::uint32_t>(header + 8);
  if (headerSize < format::kHeaderSize || headerSize > bytes.size())
    throw PacketError("header size " + std::to_string(headerSize) + " does not fit the packet", 8);
  const auto columnCount = le::Load<std::uint16_t>(header + 12);
  const auto rowCount = le::Load<std::uint32_t>(header + 14);
  const auto flags = le::Load<std::uint32_t>(header + 18);
  const auto recordOffset = le::Load<std::uint16_t>(header + 22);
  if (!(flags & format::kHasMetadata))
    throw PacketError("no field descriptors (a continuation packet)", 18);
  if (flags & format::kXmlRecords) throw PacketError("records stored as XML", 18);
  in.Seek(headerSize);

  std::vector<PacketField> fields;
  std::vector<ValueLayout> layouts;
  fields.reserve(std::min<std::size_t>(columnCount, in.Left() / 10));
  for (std::size_t i = 0; i < columnCount; ++i) {
    const std::size_t at = in.Offset();
    fields.push_back(ReadField(in, i));
    layouts.push_back(LayoutOf(fields.back(), at));
  }
  std::vector<PacketProperty> properties = ReadProperties(in, "the packet");

  if ((flags & format::kHasRecordOffset) && recordOffset != in.Offset())
    throw PacketError("the header puts the first record at offset " + std::to_string(recordOffset) +
                          " but the field descriptors end at offset " + std::to_string(in.Offset()),
                      22);
  const std::size_t minRecordBytes = 1 + (std::size_t{columnCount} + 3) / 4;
  if (rowCount > in.Left() / minRecordBytes)
    throw PacketError("the header announces " + std::to_string(rowCount) + " records but only " +
                          std::to_string(in.Left()) + " bytes follow the field descriptors",
                      14);
  RecordReader records(in, fields, layouts);
  records.ReadAll(rowCount);
  if (in.Left() != 0)
    throw PacketError(std::to_string(in.Left()) + " byte(s) after the last record", in.Offset());
  Packet packet(std::move(fields), std::move(records.Statuses()), std::move(records.Values()));
  packet.Properties() = std::move(properties);
  return packet;
}

Packet PacketFromVariant(const base::Variant& data) {
  if (data.GetType() != base::Variant::Type::Bytes)
    throw PacketError(std::string("expected a byte array, got a Variant of type ") +
                      data.TypeName());
  return DecodePacket(std::span<const std::uint8_t>(data.Bytes()));
}

}  // namespace data
