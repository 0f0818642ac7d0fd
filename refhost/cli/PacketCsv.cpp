#include "refhost/cli/PacketCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

#include "refhost/cli/CsvReader.h"
#include "refhost/cli/CsvWriter.h"
#include "refhost/engine/CivilTime.h"

namespace refhost {

namespace {

using data::PacketField;
using data::PacketType;

constexpr long long kMsPerDay = 86400000;

// "Name(n)" → n, for the types that carry a size.
std::optional<int> SizeOf(const std::string& typeName, const std::string& prefix) {
  if (typeName.size() < prefix.size() + 3 || typeName.compare(0, prefix.size() + 1, prefix + "(") != 0 ||
      typeName.back() != ')')
    return std::nullopt;
  int size = 0;
  const char* begin = typeName.data() + prefix.size() + 1;
  const char* end = typeName.data() + typeName.size() - 1;
  const auto [stop, error] = std::from_chars(begin, end, size);
  if (error != std::errc() || stop != end || size <= 0) return std::nullopt;
  return size;
}

// An automation date as whole day and milliseconds of the day, rounded to the
// millisecond the way the packet stores it (negative days keep a positive time).
void SplitDays(double days, long long& day, long long& ms) {
  const long long total = std::llround(days * kMsPerDay);
  day = total / kMsPerDay;
  ms = std::llabs(total) % kMsPerDay;
}

double JoinDays(long long day, long long ms) {
  const double whole = static_cast<double>(day * kMsPerDay);
  return (whole >= 0 ? whole + ms : whole - ms) / kMsPerDay;
}

std::string FormatDate(long long day) {
  const CivilTime civil = ToCivil(base::DateTime{static_cast<double>(day)});
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil.year, civil.month, civil.day);
  return text;
}

std::string FormatTime(long long ms) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", ms / 3600000, ms / 60000 % 60,
                ms / 1000 % 60);
  std::string result = text;
  if (ms % 1000) {
    std::snprintf(text, sizeof text, ".%03lld", ms % 1000);
    result += text;
  }
  return result;
}

// Reads digits at text[pos..pos+count) into value.
bool Digits(const std::string& text, std::size_t pos, std::size_t count, int& value) {
  if (pos + count > text.size()) return false;
  const auto [stop, error] = std::from_chars(text.data() + pos, text.data() + pos + count, value);
  return error == std::errc() && stop == text.data() + pos + count;
}

std::optional<long long> ParseDate(const std::string& text) {
  CivilTime civil;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, civil.year) ||
      !Digits(text, 5, 2, civil.month) || !Digits(text, 8, 2, civil.day) || civil.month < 1 ||
      civil.month > 12 || civil.day < 1 || civil.day > 31)
    return std::nullopt;
  return static_cast<long long>(ToDateTime(civil).days);
}

std::optional<long long> ParseTime(const std::string& text) {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  if (text.size() < 8 || text[2] != ':' || text[5] != ':' || !Digits(text, 0, 2, hour) ||
      !Digits(text, 3, 2, minute) || !Digits(text, 6, 2, second) || hour > 23 || minute > 59 ||
      second > 59)
    return std::nullopt;
  if (text.size() != 8 && (text.size() != 12 || text[8] != '.' || !Digits(text, 9, 3, millisecond)))
    return std::nullopt;
  return ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (std::uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

std::optional<std::vector<std::uint8_t>> ParseHex(const std::string& text) {
  if (text.size() < 2 || text.compare(0, 2, "0x") != 0 || text.size() % 2) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 2; i < text.size(); i += 2) {
    unsigned value = 0;
    const auto [stop, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (error != std::errc() || stop != text.data() + i + 2) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

// The text of one value in the CSV, already quoted as it must be.
std::string FieldText(const PacketField& field, const base::Variant& value) {
  if (value.IsEmptyOrNull()) return {};
  switch (field.Type()) {
    case PacketType::Int:
      if (value.GetType() == base::Variant::Type::Double)
        return std::to_string(static_cast<long long>(value.ToDouble()));
      return value.ToText();
    case PacketType::Date: {
      long long day = 0, ms = 0;
      SplitDays(value.ToDouble(), day, ms);
      return FormatDate(day);
    }
    case PacketType::Time: {
      long long day = 0, ms = 0;
      SplitDays(value.ToDouble(), day, ms);
      return FormatTime(ms);
    }
    case PacketType::Timestamp: {
      long long day = 0, ms = 0;
      SplitDays(value.ToDouble(), day, ms);
      return FormatDate(day) + " " + FormatTime(ms);
    }
    default: break;
  }
  if (value.GetType() == base::Variant::Type::Bytes) return Hex(value.Bytes());
  const std::string text = value.ToText();
  return CsvWriter::Quote(text, text.empty());
}

// The value of a CSV field for the packet field; nullopt when it does not fit the type.
std::optional<base::Variant> FieldValue(const PacketField& field, const CsvField& csv) {
  if (csv.text.empty() && !csv.quoted) return base::Variant(base::Null{});
  const std::string& text = csv.text;
  switch (field.Type()) {
    case PacketType::Int: {
      long long value = 0;
      const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
      if (error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
      if (value >= INT32_MIN && value <= INT32_MAX) return base::Variant(static_cast<int>(value));
      if (std::llabs(value) <= (1LL << 53)) return base::Variant(static_cast<double>(value));
      return base::Variant(text);
    }
    case PacketType::Bool:
      if (text == "True") return base::Variant(true);
      if (text == "False") return base::Variant(false);
      return std::nullopt;
    case PacketType::Float: {
      double value = 0;
      const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
      if (error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
      return base::Variant(value);
    }
    case PacketType::Date: {
      const auto day = ParseDate(text);
      if (!day) return std::nullopt;
      return base::Variant(base::DateTime{static_cast<double>(*day)});
    }
    case PacketType::Time: {
      const auto ms = ParseTime(text);
      if (!ms) return std::nullopt;
      return base::Variant(base::DateTime{static_cast<double>(*ms) / kMsPerDay});
    }
    case PacketType::Timestamp: {
      const auto day = text.size() > 11 && text[10] == ' ' ? ParseDate(text.substr(0, 10)) : std::nullopt;
      const auto ms = day ? ParseTime(text.substr(11)) : std::nullopt;
      if (!ms) return std::nullopt;
      return base::Variant(base::DateTime{JoinDays(*day, *ms)});
    }
    case PacketType::Bytes:
      if (field.Subtype() == "Text" || field.Subtype() == "WideText") return base::Variant(text);
      if (auto bytes = ParseHex(text)) return base::Variant(std::move(*bytes));
      return std::nullopt;
    default: return base::Variant(text);
  }
}

}  // namespace

std::string PacketFieldTypeName(const PacketField& field) {
  const std::uint16_t size = field.Size();
  switch (field.Type()) {
    case PacketType::AnsiText: return "Text(" + std::to_string(field.Width()) + ")";
    case PacketType::WideText: return "WideText(" + std::to_string(field.Width() / 2) + ")";
    case PacketType::Int:
      if (size == 2) return "SmallInt";
      if (size == 4) return "Integer";
      if (size == 8) return "LargeInt";
      break;
    case PacketType::Bool: return "Boolean";
    case PacketType::Float:
      if (size == 8) return "Float";
      break;
    case PacketType::Date: return "Date";
    case PacketType::Time: return "Time";
    case PacketType::Timestamp: return "DateTime";
    case PacketType::Bytes:
      if (field.Subtype() == "Text") return "Memo";
      if (field.Subtype() == "WideText") return "WideMemo";
      if (field.Subtype() == "Binary") return "Blob";
      if (!field.IsVarying()) return "Bytes(" + std::to_string(size) + ")";
      return "VarBytes(" + std::to_string(field.Width()) + ")";
    default: break;
  }
  char word[16];
  std::snprintf(word, sizeof word, "%08X", static_cast<unsigned>(field.typeWord));
  return std::string("Unsupported(") + word + ")";
}

PacketField PacketFieldFromTypeName(const std::string& name, const std::string& typeName) {
  if (auto width = SizeOf(typeName, "Text")) return PacketField::Text(name, *width);
  if (auto width = SizeOf(typeName, "WideText")) return PacketField::WideText(name, *width);
  if (auto size = SizeOf(typeName, "Bytes")) return PacketField::Bytes(name, *size);
  if (auto size = SizeOf(typeName, "VarBytes")) return PacketField::VarBytes(name, *size);
  if (typeName == "SmallInt") return PacketField::SmallInt(name);
  if (typeName == "Integer") return PacketField::Integer(name);
  if (typeName == "LargeInt") return PacketField::LargeInt(name);
  if (typeName == "Boolean") return PacketField::Boolean(name);
  if (typeName == "Float") return PacketField::Float(name);
  if (typeName == "Date") return PacketField::Date(name);
  if (typeName == "Time") return PacketField::Time(name);
  if (typeName == "DateTime") return PacketField::DateTime(name);
  if (typeName == "Memo") return PacketField::Memo(name);
  if (typeName == "WideMemo") return PacketField::WideMemo(name);
  if (typeName == "Blob") return PacketField::Blob(name);
  throw std::invalid_argument("field " + name + ": unknown type \"" + typeName + "\"");
}

void WritePacketCsv(const data::Packet& packet, std::ostream& out) {
  CsvWriter csv(out);
  std::vector<std::string> names, types;
  for (const PacketField& field : packet.Fields()) {
    names.push_back(field.FullName());
    types.push_back(PacketFieldTypeName(field));
  }
  csv.WriteRow(names);
  csv.WriteRow(types);
  std::vector<std::string> line;
  for (std::size_t row = 0; row < packet.RowCount(); ++row) {
    line.clear();
    const auto values = packet.Row(row);
    for (std::size_t i = 0; i < values.size(); ++i)
      line.push_back(FieldText(packet.Fields()[i], values[i]));
    csv.WriteQuotedRow(line);
  }
}

data::Packet ReadPacketCsv(std::istream& in) {
  CsvReader reader(in);
  std::vector<CsvField> names, types;
  if (!reader.Next(names) || !reader.Next(types))
    throw std::invalid_argument("the CSV needs a line of field names and a line of field types");
  if (names.size() != types.size())
    throw std::invalid_argument("line 2: " + std::to_string(types.size()) + " types for " +
                                std::to_string(names.size()) + " fields");
  data::Packet packet;
  for (std::size_t i = 0; i < names.size(); ++i)
    packet.AddField(PacketFieldFromTypeName(names[i].text, types[i].text));
  std::vector<CsvField> record;
  while (reader.Next(record)) {
    if (record.size() != names.size())
      throw std::invalid_argument("line " + std::to_string(reader.Line()) + ": " +
                                  std::to_string(record.size()) + " values for " +
                                  std::to_string(names.size()) + " fields");
    std::vector<base::Variant> values;
    for (std::size_t i = 0; i < record.size(); ++i) {
      auto value = FieldValue(packet.Fields()[i], record[i]);
      if (!value)
        throw std::invalid_argument("line " + std::to_string(reader.Line()) + ", field " +
                                    names[i].text + ": \"" + record[i].text + "\" is no " +
                                    types[i].text);
      values.push_back(std::move(*value));
    }
    std::copy(values.begin(), values.end(), packet.AddRow().begin());
  }
  return packet;
}

}  // namespace refhost
