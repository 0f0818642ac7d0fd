#pragma once
// CsvReader: reads comma-separated values after RFC 4180: fields between double quotes
// may hold commas, line breaks and doubled quotes; lines end with CRLF or LF.
#include <istream>
#include <string>
#include <vector>

namespace refhost {

// One field as read: its text, and whether it stood between quotes (so that an empty
// quoted field can mean something else than an empty one).
struct CsvField {
  std::string text;
  bool quoted = false;
};

class CsvReader {
 public:
  // Reads from in, which must outlive the reader.
  explicit CsvReader(std::istream& in) : in_(in) {}

  // Reads the next record; false at the end of the input. Throws std::invalid_argument
  // for a quote left open or text after a closing quote.
  bool Next(std::vector<CsvField>& fields);
  // The line on which the last record began (from 1).
  int Line() const { return recordLine_; }

 private:
  std::istream& in_;
  int line_ = 1;
  int recordLine_ = 0;
};

}  // namespace refhost
