// Code page 936 conversions on Windows, through the Win32 API.
#include <windows.h>

#include "base/Text.h"

namespace base {
namespace {

// Code page 936 has no character beyond the Basic Multilingual Plane. The API turns
// each half of a surrogate pair into its own '?', so one character would count two
// bytes; make it one '?', as the iconv converter does.
std::wstring Wide(std::u16string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    wide += pair ? L'?' : static_cast<wchar_t>(text[i]);
    if (pair) ++i;
  }
  return wide;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8) {
  const std::wstring wide = Wide(Utf8ToUtf16(utf8));
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length,
                      nullptr, nullptr);
  return out;
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int length =
      MultiByteToWideChar(936, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(936, 0, ansi.data(), static_cast<int>(ansi.size()),
                      reinterpret_cast<wchar_t*>(wide.data()), length);
  return Utf16ToUtf8(wide);
}

}  // namespace base
