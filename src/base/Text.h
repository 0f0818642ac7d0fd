#pragma once
// Text conversions. Inside the library every text is UTF-8; UTF-16 appears only at
// Win32 calls, ANSI (code page 936, GBK) only where bytes count: field widths,
// shared-memory slots, import files, ANSI fields of data packets, ini files.
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// The code point of the UTF-8 character at text[i], advancing i past it; a malformed
// sequence (or a surrogate, an overlong form) gives U+FFFD. Needs i < text.size().
char32_t NextCodePoint(std::string_view text, std::size_t& i);
// Appends a code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

// UTF-8 to code page 936; characters the code page lacks become '?'.
std::string Utf8ToAnsi(std::string_view utf8);
// Code page 936 to UTF-8; a malformed byte becomes U+FFFD.
std::string AnsiToUtf8(std::string_view ansi);

// Length in code page 936 bytes of a UTF-8 text.
std::size_t AnsiLength(std::string_view utf8);

// The longest prefix of an ANSI text that fits in maxBytes without splitting a
// double-byte character.
std::string CutAnsiBytes(std::string_view ansi, std::size_t maxBytes);
// The same cut applied to a UTF-8 text, measured in ANSI bytes; returns UTF-8.
std::string CutToAnsiBytes(std::string_view utf8, std::size_t maxBytes);

// The host's short string: a length byte, then that many ANSI bytes (no terminator).
// A null pointer is an empty text.
std::string ShortStringToText(const unsigned char* shortString);

// Trim leading and trailing blanks and control characters (bytes <= 0x20).
std::string Trim(std::string_view text);

}  // namespace base
