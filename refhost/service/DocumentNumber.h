#pragma once
// Document numbers the host gives out: the eight-digit date followed by a four-digit
// sequence, one past the highest number of that date in the table ("202612110001").
#include <string>

namespace refhost {

class Database;

// The next free number of `date` in table.column; HostRefusal when the day's 9999 are used.
// Call it inside the transaction that stores the document.
std::string NextDocumentNumber(Database& database, const std::string& table,
                               const std::string& column, const std::string& date);

}  // namespace refhost
