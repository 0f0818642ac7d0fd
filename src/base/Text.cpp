// Platform-independent parts of the text conversions: UTF-8/UTF-16 and the
// double-byte-safe cut. The code page 936 converters live in TextAnsi*.cpp.
#include "base/Text.h"

#include <cstdint>

namespace base {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, min = 0x10000;
  } else {
    ++i;
    return kReplacement;
  }
  std::size_t k = i + 1;
  for (int n = 0; n < extra; ++n, ++k) {
    if (k >= text.size() || (byte(k) & 0xC0) != 0x80) {
      i = k;
      return kReplacement;
    }
    cp = (cp << 6) | (byte(k) & 0x3F);
  }
  i = k;
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::string CutAnsiBytes(std::string_view ansi, std::size_t maxBytes) {
  if (ansi.size() <= maxBytes) return std::string(ansi);
  // Walk whole characters: a GBK lead byte (0x81..0xFE) starts a two-byte character.
  std::size_t end = 0;
  while (end < ansi.size()) {
    const auto lead = static_cast<unsigned char>(ansi[end]);
    const std::size_t width = (lead >= 0x81 && lead <= 0xFE && end + 1 < ansi.size()) ? 2 : 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return std::string(ansi.substr(0, end));
}

std::string CutToAnsiBytes(std::string_view utf8, std::size_t maxBytes) {
  // A UTF-8 text never has fewer bytes than its ANSI form.
  if (utf8.size() <= maxBytes) return std::string(utf8);
  // Cut by whole UTF-8 characters, counting each one's ANSI width, so that the
  // result never depends on how a partial ANSI character would convert back.
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t next = i;
    NextCodePoint(utf8, next);
    const std::size_t width = AnsiLength(utf8.substr(i, next - i));
    if (used + width > maxBytes) break;
    used += width;
    i = next;
  }
  return std::string(utf8.substr(0, i));
}

std::size_t AnsiLength(std::string_view utf8) {
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  return ascii ? utf8.size() : Utf8ToAnsi(utf8).size();
}

std::string ShortStringToText(const unsigned char* shortString) {
  if (shortString == nullptr) return {};
  const std::size_t length = shortString[0];
  return AnsiToUtf8(std::string_view(reinterpret_cast<const char*>(shortString + 1), length));
}

std::string Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  return std::string(text.substr(begin, end - begin));
}

}  // namespace base
