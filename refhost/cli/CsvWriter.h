#pragma once
// CsvWriter: writes rows as comma-separated values after RFC 4180: CRLF line ends, and
// a field that holds a comma, a double quote, CR or LF between double quotes with its
// double quotes doubled. Texts are written as UTF-8.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"

namespace refhost {

class CsvWriter {
 public:
  // Writes to out, which must outlive the writer.
  explicit CsvWriter(std::ostream& out) : out_(out) {}

  // Writes one line of fields.
  void WriteRow(const std::vector<std::string>& fields);
  // Writes one line of fields that are already quoted where they must be.
  void WriteQuotedRow(const std::vector<std::string>& quotedFields);
  // Writes one line of values, each as FieldText gives it.
  void WriteRow(const std::vector<base::Variant>& values);

  // The field as it appears in the file: quoted when it must be, or always.
  static std::string Quote(std::string_view field, bool always = false);
  // The text of a value: empty for Null, "0x" and hex digits for bytes, else its text.
  static std::string FieldText(const base::Variant& value);

 private:
  std::ostream& out_;
};

}  // namespace refhost
