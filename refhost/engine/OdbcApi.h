#pragma once
// The ODBC headers. On Windows they need the platform's base types first, so this is
// the one engine header that brings in <windows.h>; only the engine's .cpp files
// include it, never a public header.
#ifdef _WIN32
#include <windows.h>
#endif
// The engine calls the W and the narrow functions by their own names; the UNICODE
// build must not map one onto the other.
#define SQL_NOUNICODEMAP
#include <sql.h>
#include <sqlext.h>
