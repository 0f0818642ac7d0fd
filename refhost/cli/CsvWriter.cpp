#include "refhost/cli/CsvWriter.h"

namespace refhost {

std::string CsvWriter::Quote(std::string_view field, bool always) {
  if (!always && field.find_first_of(",\"\r\n") == std::string_view::npos)
    return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string CsvWriter::FieldText(const base::Variant& value) {
  if (value.IsEmptyOrNull()) return {};
  if (value.GetType() == base::Variant::Type::Bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (std::uint8_t byte : value.Bytes()) {
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
    }
    return text;
  }
  return value.ToText();
}

void CsvWriter::WriteQuotedRow(const std::vector<std::string>& quotedFields) {
  for (std::size_t i = 0; i < quotedFields.size(); ++i) {
    if (i) out_ << ',';
    out_ << quotedFields[i];
  }
  out_ << "\r\n";
}

void CsvWriter::WriteRow(const std::vector<std::string>& fields) {
  std::vector<std::string> quoted;
  quoted.reserve(fields.size());
  for (const std::string& field : fields) quoted.push_back(Quote(field));
  WriteQuotedRow(quoted);
}

void CsvWriter::WriteRow(const std::vector<base::Variant>& values) {
  std::vector<std::string> fields;
  fields.reserve(values.size());
  for (const base::Variant& value : values) fields.push_back(FieldText(value));
  WriteRow(fields);
}

}  // namespace refhost
