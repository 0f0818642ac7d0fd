#include "refhost/engine/OdbcText.h"

#include "base/Text.h"

namespace refhost::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide characters must be UTF-16 units");

WideString ToWide(std::string_view utf8) {
  const std::u16string utf16 = base::Utf8ToUtf16(utf8);
  return WideString(utf16.begin(), utf16.end());
}

std::string FromWide(const SQLWCHAR* text, std::size_t length) {
  return base::Utf16ToUtf8(std::u16string(text, text + length));
}

}  // namespace refhost::odbc
