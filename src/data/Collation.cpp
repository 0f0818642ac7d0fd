#include "data/Collation.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/Text.h"

namespace data {
namespace {

constexpr std::uint16_t kUnknown = '?';

// Reads the GBK code of one character at out[i], advancing i; false when the
// bytes are not one or two bytes of a character.
bool ReadAnsiCode(const std::string& out, std::size_t& i, std::uint16_t& code) {
  if (i >= out.size()) return false;
  const auto lead = static_cast<unsigned char>(out[i]);
  if (lead >= 0x81 && lead <= 0xFE) {
    if (i + 1 >= out.size()) return false;
    code = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(out[i + 1]));
    i += 2;
  } else {
    code = lead;
    i += 1;
  }
  return true;
}

// The GBK code of every code point of the Basic Multilingual Plane, read backwards:
// every double-byte code (and the single byte 0x80) converted to UTF-8 at once, one
// per line, so that a code the converter rejects only spoils its own line. Should
// the lines not come out one per code, every code point is converted forwards.
std::vector<std::uint16_t> BuildTable() {
  std::vector<std::uint16_t> table(0x10000, kUnknown);
  for (char32_t cp = 0; cp < 0x80; ++cp) table[cp] = static_cast<std::uint16_t>(cp);
  std::vector<std::uint16_t> codes{0x80};
  std::string all = "\x80\n";
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      codes.push_back(static_cast<std::uint16_t>(lead << 8 | trail));
      all += static_cast<char>(lead);
      all += static_cast<char>(trail);
      all += '\n';
    }
  const std::string utf8 = base::AnsiToUtf8(all);
  std::vector<std::string_view> lines;
  for (std::size_t begin = 0; begin < utf8.size();) {
    const std::size_t end = utf8.find('\n', begin);
    if (end == std::string::npos) break;
    lines.push_back(std::string_view(utf8).substr(begin, end - begin));
    begin = end + 1;
  }
  if (lines.size() == codes.size()) {
    for (std::size_t k = 0; k < codes.size(); ++k) {
      if (lines[k].empty()) continue;
      std::size_t i = 0;
      const char32_t cp = base::NextCodePoint(lines[k], i);
      // One character, and a real one: rejected codes come back as U+FFFD or '?'.
      if (i == lines[k].size() && cp >= 0x80 && cp < 0x10000 && cp != 0xFFFD && table[cp] == kUnknown)
        table[cp] = codes[k];
    }
    return table;
  }
  for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string one;
    base::AppendUtf8(one, cp);
    const std::string converted = base::Utf8ToAnsi(one);
    std::size_t k = 0;
    std::uint16_t code = kUnknown;
    table[cp] = ReadAnsiCode(converted, k, code) && k == converted.size() ? code : kUnknown;
  }
  return table;
}

const std::uint16_t* Table() {
  static const std::vector<std::uint16_t> table = BuildTable();
  return table.data();
}

unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

std::uint16_t NextCode(std::string_view text, std::size_t& i, const std::uint16_t* table,
                       bool caseInsensitive) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return caseInsensitive ? Upper(lead) : lead;
  }
  const char32_t cp = base::NextCodePoint(text, i);
  return cp < 0x10000 ? table[cp] : kUnknown;
}

}  // namespace

std::uint16_t AnsiCode(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<std::uint16_t>(codePoint);
  return codePoint < 0x10000 ? Table()[codePoint] : kUnknown;
}

int CompareAnsi(std::string_view a, std::string_view b, bool caseInsensitive) {
  std::size_t i = 0;
  std::size_t j = 0;
  if (!caseInsensitive) {
    // Skip the common bytes, then back up to the start of the character they end in.
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    while (i < n && a[i] == b[i]) ++i;
    if (i == n) return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    while (i > 0 && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80) --i;
    j = i;
  }
  const std::uint16_t* table = nullptr;
  while (i < a.size() && j < b.size()) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[j]);
    if (x < 0x80 && y < 0x80) {
      const unsigned char cx = caseInsensitive ? Upper(x) : x;
      const unsigned char cy = caseInsensitive ? Upper(y) : y;
      if (cx != cy) return cx < cy ? -1 : 1;
      ++i, ++j;
      continue;
    }
    if (!table) table = Table();
    const std::uint16_t cx = NextCode(a, i, table, caseInsensitive);
    const std::uint16_t cy = NextCode(b, j, table, caseInsensitive);
    if (cx != cy) return cx < cy ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

void AppendAnsiSortKey(std::string_view utf8, bool caseInsensitive, std::string& out) {
  const std::uint16_t* table = nullptr;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(caseInsensitive ? Upper(lead) : lead);
      ++i;
      continue;
    }
    if (!table) table = Table();
    const std::uint16_t code = NextCode(utf8, i, table, caseInsensitive);
    if (code >= 0x100) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  }
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(static_cast<unsigned char>(a[i])) != Upper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace data
