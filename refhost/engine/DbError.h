#pragma once
// DbError: a failure reported by the database or its ODBC driver, with the driver's
// diagnostic records (the database's own messages).
#include <stdexcept>
#include <string>
#include <vector>

namespace refhost {

// One ODBC diagnostic record.
struct DiagRecord {
  std::string sqlState;  // five characters, e.g. "42S02"
  long nativeError = 0;  // the database's own error number
  std::string message;   // the database's message, UTF-8
};

// Raised when a connection, statement or transaction fails.
class DbError : public std::runtime_error {
 public:
  // context says what was attempted ("statement refused"); records may be empty.
  DbError(const std::string& context, std::vector<DiagRecord> records);

  // The diagnostic records, in the order the driver gave them.
  const std::vector<DiagRecord>& Records() const { return records_; }
  // The messages of the records, or the context alone when the driver gave none.
  std::vector<std::string> Messages() const;

 private:
  std::string context_;
  std::vector<DiagRecord> records_;
};

}  // namespace refhost
