#include "refhost/engine/OdbcDiagnostics.h"

#include <algorithm>

namespace refhost::odbc {

namespace {

// One record in either convention; false when there is none with that number.
bool ReadRecord(SQLSMALLINT handleType, SQLHANDLE handle, SQLSMALLINT number, TextMode mode,
                DiagRecord& record) {
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  if (mode == TextMode::Wide) {
    SQLWCHAR state[6] = {};
    WideString message(1024, 0);
    SQLRETURN rc = SQLGetDiagRecW(handleType, handle, number, state, &native, message.data(),
                                  static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
      message.assign(static_cast<std::size_t>(length) + 1, 0);
      rc = SQLGetDiagRecW(handleType, handle, number, state, &native, message.data(),
                          static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!SQL_SUCCEEDED(rc)) return false;
    record.sqlState = FromWide(state, 5);
    record.message = FromWide(message.data(), std::min<std::size_t>(length, message.size() - 1));
  } else {
    SQLCHAR state[6] = {};
    std::string message(1024, '\0');
    auto buffer = [&] { return reinterpret_cast<SQLCHAR*>(message.data()); };
    SQLRETURN rc = SQLGetDiagRec(handleType, handle, number, state, &native, buffer(),
                                 static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
      message.assign(static_cast<std::size_t>(length) + 1, '\0');
      rc = SQLGetDiagRec(handleType, handle, number, state, &native, buffer(),
                         static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!SQL_SUCCEEDED(rc)) return false;
    record.sqlState.assign(reinterpret_cast<const char*>(state), 5);
    message.resize(std::min<std::size_t>(length, message.size() - 1));
    record.message = std::move(message);
  }
  record.nativeError = native;
  // Drivers end some messages with a line break or a stray separator.
  while (!record.message.empty() &&
         (record.message.back() == '\n' || record.message.back() == '\r' ||
          record.message.back() == ' ' || record.message.back() == ';'))
    record.message.pop_back();
  return true;
}

}  // namespace

std::vector<DiagRecord> Diagnostics(SQLSMALLINT handleType, SQLHANDLE handle, TextMode mode) {
  std::vector<DiagRecord> records;
  if (handle == SQL_NULL_HANDLE) return records;
  for (SQLSMALLINT number = 1;; ++number) {
    DiagRecord record;
    if (!ReadRecord(handleType, handle, number, mode, record)) break;
    records.push_back(std::move(record));
  }
  return records;
}

void Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, TextMode mode,
           const char* context) {
  if (SQL_SUCCEEDED(rc)) return;
  throw DbError(context, Diagnostics(handleType, handle, mode));
}

}  // namespace refhost::odbc
