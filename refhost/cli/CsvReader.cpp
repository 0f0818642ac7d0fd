#include "refhost/cli/CsvReader.h"

#include <stdexcept>

namespace refhost {

bool CsvReader::Next(std::vector<CsvField>& fields) {
  fields.clear();
  if (in_.peek() == std::char_traits<char>::eof()) return false;
  recordLine_ = line_;
  CsvField field;
  bool afterQuote = false;  // a quoted field has closed; only a separator may follow
  for (;;) {
    const int c = in_.get();
    if (c == std::char_traits<char>::eof() || c == '\n' || (c == '\r' && in_.peek() == '\n')) {
      if (c == '\r') in_.get();
      if (c != std::char_traits<char>::eof()) ++line_;
      fields.push_back(std::move(field));
      return true;
    }
    if (c == ',') {
      fields.push_back(std::move(field));
      field = CsvField{};
      afterQuote = false;
      continue;
    }
    if (afterQuote)
      throw std::invalid_argument("line " + std::to_string(line_) +
                                  ": text after the closing quote of a field");
    if (c == '"' && field.text.empty() && !field.quoted) {
      field.quoted = true;
      for (;;) {
        const int q = in_.get();
        if (q == std::char_traits<char>::eof())
          throw std::invalid_argument("line " + std::to_string(recordLine_) +
                                      ": a quoted field is not closed");
        if (q == '"') {
          if (in_.peek() != '"') break;
          in_.get();
        }
        if (q == '\n') ++line_;
        field.text += static_cast<char>(q);
      }
      afterQuote = true;
      continue;
    }
    field.text += static_cast<char>(c);
  }
}

}  // namespace refhost
