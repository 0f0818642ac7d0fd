// EncodePacket: writes a Packet as the platform's binary data packet.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "base/Text.h"
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

// An integer of either sign up to 64 bits of magnitude.
struct WholeNumber {
  bool negative = false;
  std::uint64_t magnitude = 0;
};

std::optional<WholeNumber> WholeFromDouble(double value) {
  const double d = std::nearbyint(value);
  if (!std::isfinite(d) || std::fabs(d) >= 18446744073709551616.0) return std::nullopt;
  return WholeNumber{d < 0, static_cast<std::uint64_t>(std::fabs(d))};
}

std::optional<WholeNumber> WholeFromVariant(const Variant& value) {
  switch (value.GetType()) {
    case Variant::Type::Int:
    case Variant::Type::Bool: {
      const std::int64_t i = value.ToInt();
      return WholeNumber{i < 0, static_cast<std::uint64_t>(i < 0 ? -i : i)};
    }
    case Variant::Type::Double:
      return WholeFromDouble(value.ToDouble());
    case Variant::Type::Text: {
      // Digits are taken exactly, so 64-bit values beyond a double's precision survive.
      const std::string text = base::Trim(value.ToText());
      const bool negative = !text.empty() && text[0] == '-';
      const std::size_t begin = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
      WholeNumber whole{negative, 0};
      const auto [end, error] =
          std::from_chars(text.data() + begin, text.data() + text.size(), whole.magnitude);
      if (error == std::errc() && end == text.data() + text.size() && begin < text.size())
        return whole;
      return WholeFromDouble(value.ToDouble());
    }
    default:
      return std::nullopt;
  }
}

// Appends to a byte vector; Grow hands out room for n more bytes.
class Writer {
 public:
  std::vector<std::uint8_t>& Bytes() { return out_; }
  std::uint8_t* Grow(std::size_t count) {
    const std::size_t at = out_.size();
    out_.resize(at + count);
    return out_.data() + at;
  }
  template <class T>
  void Put(T value) {
    std::memcpy(Grow(sizeof value), &value, sizeof value);
  }
  void PutBytes(const void* bytes, std::size_t count) {
    if (count != 0) std::memcpy(Grow(count), bytes, count);
  }
  // A length prefix of 1, 2 or 4 bytes.
  void PutLength(std::uint8_t prefix, std::uint32_t length) {
    if (prefix == 1)
      Put(static_cast<std::uint8_t>(length));
    else if (prefix == 2)
      Put(static_cast<std::uint16_t>(length));
    else
      Put(length);
  }

 private:
  std::vector<std::uint8_t> out_;
};

// Names are 1 to 255 bytes; `owner` says whose name it is for the message.
void PutName(Writer& out, const std::string& name, const std::string& owner) {
  const auto ansi = packet_text::ToAnsi(name);
  if (!ansi || ansi->empty() || ansi->size() > 0xFF)
    throw PacketError("the name '" + name + "' of " + owner +
                      " must be 1 to 255 bytes of code page 936");
  out.Put(static_cast<std::uint8_t>(ansi->size()));
  out.PutBytes(ansi->data(), ansi->size());
}

void PutProperty(Writer& out, const PacketProperty& property, const std::string& owner) {
  const std::string what = "property '" + property.name + "' of " + owner;
  PutName(out, property.name, "a property of " + owner);
  out.Put(property.typeWord);
  const std::size_t size = type_word::SizeOf(property.typeWord);
  const std::size_t bytes = property.value.size();
  if (property.typeWord & type_word::kArray) {
    if (size == 0 ? bytes != 0 : bytes % size != 0)
      throw PacketError(what + ": " + std::to_string(bytes) + " bytes are no whole number of " +
                        std::to_string(size) + "-byte elements");
    out.Put(static_cast<std::uint32_t>(size == 0 ? 0 : bytes / size));
  } else if (property.typeWord & type_word::kVarying) {
    const std::uint64_t limit = size == 1 ? 0xFF : size == 2 ? 0xFFFF : 0xFFFFFFFF;
    if ((size != 1 && size != 2 && size != 4) || bytes > limit)
      throw PacketError(what + ": " + std::to_string(bytes) + " bytes do not fit a " +
                        std::to_string(size) + "-byte length");
    out.PutLength(static_cast<std::uint8_t>(size), static_cast<std::uint32_t>(bytes));
  } else if (bytes != size) {
    throw PacketError(what + ": " + std::to_string(bytes) + " bytes for a value of size " +
                      std::to_string(size));
  }
  out.PutBytes(property.value.data(), bytes);
}

void PutProperties(Writer& out, const std::vector<PacketProperty>& properties,
                   const std::string& owner) {
  if (properties.size() > 0xFFFF) throw PacketError(owner + " has more than 65535 properties");
  out.Put(static_cast<std::uint16_t>(properties.size()));
  for (const PacketProperty& p : properties) PutProperty(out, p, owner);
}

// Writes the records; a value that does not fit its field fails with record and field named.
class RecordWriter {
 public:
  RecordWriter(Writer& out, const Packet& packet, const std::vector<ValueLayout>& layouts)
      : out_(out), packet_(packet), layouts_(layouts) {}

  void WriteAll() {
    const std::size_t fieldCount = layouts_.size();
    const std::size_t bitmapBytes = (fieldCount + 3) / 4;
    for (row_ = 0; row_ < packet_.RowCount(); ++row_) {
      const std::span<const Variant> values = packet_.Row(row_);
      out_.Put(packet_.RowStatus(row_));
      std::uint8_t* bitmap = out_.Grow(bitmapBytes);  // zeroed by Grow
      for (std::size_t f = 0; f < fieldCount; ++f) {
        const unsigned bits = values[f].IsNull()    ? format::kBlankNull
                              : values[f].IsEmpty() ? format::kBlankNotChanged
                                                    : 0u;
        bitmap[f / 4] |= static_cast<std::uint8_t>(bits << (2 * (f % 4)));
      }
      for (field_ = 0; field_ < fieldCount; ++field_) {
        if (values[field_].IsEmptyOrNull()) continue;
        try {
          PutValue(layouts_[field_], values[field_]);
        } catch (const base::VariantError& e) {
          Fail(e.what());
        }
      }
    }
  }

 private:
  [[noreturn]] void Fail(const std::string& fault) const {
    throw PacketError("record " + std::to_string(row_ + 1) + ", field '" +
                      packet_.Fields()[field_].name + "': " + fault);
  }

  void PutValue(const ValueLayout& layout, const Variant& value) {
    switch (layout.kind) {
      case Kind::Int:
      case Kind::UInt:
        return PutInteger(layout, value);
      case Kind::Bool: {
        std::uint8_t* p = out_.Grow(layout.size);
        p[0] = value.ToBool() ? 1 : 0;
        return;
      }
      case Kind::Float:
        return out_.Put(value.ToDouble());
      case Kind::Extended:
        return packet_values::DoubleToExtended(value.ToDouble(), out_.Grow(10));
      case Kind::Single: {
        const double d = value.ToDouble();
        if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
          Fail(value.ToText() + " is out of range for a 4-byte float");
        return out_.Put(static_cast<float>(d));
      }
      case Kind::Date:
        return out_.Put(Checked(packet_values::DayNumberFromDate(Days(value))));
      case Kind::Time:
        return out_.Put(Checked(packet_values::MillisecondsFromTime(Days(value))));
      case Kind::Timestamp:
        return out_.Put(Checked(packet_values::TimestampFromDate(Days(value))));
      case Kind::AnsiText: {
        const std::string text = value.ToText();
        if (packet_text::IsAscii(text)) return PutSized(layout, text.data(), text.size());
        const auto ansi = packet_text::ToAnsi(text);
        if (!ansi) Fail("text '" + text + "' has characters that code page 936 cannot hold");
        return PutSized(layout, ansi->data(), ansi->size());
      }
      case Kind::WideText: {
        const std::u16string wide = base::Utf8ToUtf16(value.ToText());
        std::string bytes(wide.size() * 2, '\0');
        for (std::size_t i = 0; i < wide.size(); ++i) std::memcpy(&bytes[2 * i], &wide[i], 2);
        return PutSized(layout, bytes.data(), bytes.size());
      }
      case Kind::Bytes: {
        if (value.GetType() == Variant::Type::Bytes)
          return PutSized(layout, value.Bytes().data(), value.Bytes().size());
        if (value.GetType() != Variant::Type::Text)
          Fail(std::string("cannot store a ") + value.TypeName() + " value as bytes");
        const std::string text = value.ToText();
        return PutSized(layout, text.data(), text.size());
      }
    }
  }

  static double Days(const Variant& value) { return value.ToDateTime().days; }

  template <class T>
  T Checked(std::optional<T> stamp) const {
    if (!stamp) Fail("date or time out of range");
    return *stamp;
  }

  void PutInteger(const ValueLayout& layout, const Variant& value) {
    const auto whole = WholeFromVariant(value);
    const unsigned bits = 8u * layout.size;
    const bool isSigned = layout.kind == Kind::Int;
    const std::uint64_t positiveLimit =
        isSigned ? (std::uint64_t{1} << (bits - 1)) - 1
                 : (bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1);
    const std::uint64_t negativeLimit = isSigned ? std::uint64_t{1} << (bits - 1) : 0;
    if (!whole || whole->magnitude > (whole->negative ? negativeLimit : positiveLimit)) {
      std::string shown = value.ToText();
      if (value.GetType() == Variant::Type::Text) shown = "'" + shown + "'";
      Fail("cannot store " + shown + " as a " + std::to_string(layout.size) + "-byte integer");
    }
    const std::uint64_t twos = whole->negative ? 0 - whole->magnitude : whole->magnitude;
    std::memcpy(out_.Grow(layout.size), &twos, layout.size);
  }

  void PutSized(const ValueLayout& layout, const void* bytes, std::size_t count) {
    if (count > layout.maxBytes)
      Fail("a value of " + std::to_string(count) + " bytes does not fit the field's " +
           std::to_string(layout.maxBytes));
    if (layout.prefix == 0) {
      std::uint8_t* p = out_.Grow(layout.size);  // zero padded
      if (count != 0) std::memcpy(p, bytes, count);
      return;
    }
    out_.PutLength(layout.prefix, static_cast<std::uint32_t>(count));
    out_.PutBytes(bytes, count);
  }

  Writer& out_;
  const Packet& packet_;
  const std::vector<ValueLayout>& layouts_;
  std::size_t row_ = 0;
  std::size_t field_ = 0;
};

}  // namespace

std::vector<std::uint8_t> EncodePacket(const Packet& packet) {
  const std::vector<PacketField>& fields = packet.Fields();
  if (fields.size() > 0xFFFF) throw PacketError("more than 65535 fields");
  if (packet.RowCount() > 0xFFFFFFFFu) throw PacketError("more than 4294967295 records");
  std::vector<ValueLayout> layouts;
  std::uint16_t major = 1;
  std::size_t fixedBytes = 0;
  for (const PacketField& field : fields) {
    layouts.push_back(LayoutOf(field));
    fixedBytes += layouts.back().prefix == 0 ? layouts.back().size : layouts.back().prefix + 16u;
    // Type codes beyond BYTES need the second version of the format.
    if (static_cast<int>(field.Type()) > static_cast<int>(PacketType::Bytes)) major = 2;
  }

  Writer out;
  out.Bytes().reserve(256 + packet.RowCount() * (1 + (fields.size() + 3) / 4 + fixedBytes));
  out.Grow(format::kHeaderSize);
  for (const PacketField& field : fields) {
    const std::string owner = "field '" + field.name + "'";
    PutName(out, field.name, "a field");
    out.Put(field.typeWord);
    out.Put(field.attributes);
    PutProperties(out, field.properties, owner);
  }
  PutProperties(out, packet.Properties(), "the packet");

  // The header points at the first record when that offset fits its 16 bits.
  const std::size_t metadataEnd = out.Bytes().size();
  const bool offsetFits = metadataEnd <= 0xFFFF;
  std::vector<std::uint8_t>& bytes = out.Bytes();
  le::Store(bytes, 0, format::kMagic);
  le::Store(bytes, 4, major);
  le::Store(bytes, 6, std::uint16_t{0});
  le::Store(bytes, 8, static_cast<std::uint32_t>(format::kHeaderSize));
  le::Store(bytes, 12, static_cast<std::uint16_t>(fields.size()));
  le::Store(bytes, 14, static_cast<std::uint32_t>(packet.RowCount()));
  le::Store(bytes, 18,
            offsetFits ? format::kHasMetadata | format::kHasRecordOffset : format::kHasMetadata);
  le::Store(bytes, 22, static_cast<std::uint16_t>(offsetFits ? metadataEnd : 0));

  RecordWriter(out, packet, layouts).WriteAll();
  return std::move(out.Bytes());
}

base::Variant PacketToVariant(const Packet& packet) { return base::Variant(EncodePacket(packet)); }

}  // namespace data
