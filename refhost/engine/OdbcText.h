#pragma once
// How texts cross the ODBC API: UTF-16 through the W functions, or UTF-8 through the
// narrow ones. Internal to the engine.
#include <cstddef>
#include <string>
#include <string_view>

#include "refhost/engine/OdbcApi.h"

namespace refhost::odbc {

// The text convention of one connection.
enum class TextMode { Wide, Utf8 };

// A text in the driver's wide character type (UTF-16 on every platform we build for).
using WideString = std::basic_string<SQLWCHAR>;

// UTF-8 to the driver's wide text.
WideString ToWide(std::string_view utf8);
// length wide characters of the driver to UTF-8.
std::string FromWide(const SQLWCHAR* text, std::size_t length);

// The unterminated narrow text as SQLCHAR pointer for the narrow functions.
inline SQLCHAR* AsSqlChar(const std::string& text) {
  return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

}  // namespace refhost::odbc
