// wchar_t is 16 bits on Windows, so the wide strings are the base layer's UTF-16.
#include "win32/WideText.h"

#include "base/Text.h"

namespace win32 {

std::wstring Wide(std::string_view utf8) {
  const std::u16string utf16 = base::Utf8ToUtf16(utf8);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Utf8(std::wstring_view wide) {
  return base::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace win32
