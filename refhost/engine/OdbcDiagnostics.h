#pragma once
// Reading an ODBC handle's diagnostic records. Internal to the engine.
#include <vector>

#include "refhost/engine/DbError.h"
#include "refhost/engine/OdbcApi.h"
#include "refhost/engine/OdbcText.h"

namespace refhost::odbc {

// The diagnostic records of a handle, read in the connection's text convention.
std::vector<DiagRecord> Diagnostics(SQLSMALLINT handleType, SQLHANDLE handle, TextMode mode);

// Throws DbError with the context and the handle's records unless rc reports success.
void Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, TextMode mode,
           const char* context);

}  // namespace refhost::odbc
