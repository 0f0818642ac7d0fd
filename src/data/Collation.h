#pragma once
// The text order of the host's datasets: texts compare by the bytes of their code
// page 936 (GBK) form, so Chinese sorts by the GB2312 order (pinyin for the common
// characters) as on the host, not by Unicode code points. Case-insensitive means
// that ASCII letters compare as their upper-case forms. Texts stay in UTF-8; a
// table from code point to GBK code, built once, gives each character's bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace data {

// <0, 0 or >0 as a is before, equal to or after b in code page 936 byte order.
int CompareAnsi(std::string_view a, std::string_view b, bool caseInsensitive = false);

// Appends the code page 936 bytes of a UTF-8 text (ASCII letters upper-cased when
// caseInsensitive): byte strings that compare like CompareAnsi under memcmp, the
// shorter first on a common prefix.
void AppendAnsiSortKey(std::string_view utf8, bool caseInsensitive, std::string& out);

// The GBK code of a code point: below 0x100 for a single byte, else lead * 256 +
// trail; '?' for a character code page 936 lacks.
std::uint16_t AnsiCode(char32_t codePoint);

// Equality ignoring ASCII letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace data
