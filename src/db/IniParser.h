#pragma once
// The native ini reader: finds a value in an ini file's text the way the Windows
// reader does. Used by the native ReadIniValue and tested on its own.
#include <optional>
#include <string>
#include <string_view>

namespace db {

// An ini file's bytes as UTF-8: a UTF-8 or UTF-16LE byte-order mark says so, anything
// else is code page 936, as the host writes its ini files.
std::string IniBytesToUtf8(std::string_view bytes);

// The value of `key` in the first `section` of the text (names compared without regard
// to ASCII case), blanks trimmed and one pair of enclosing quotes removed; nullopt
// when the section or key is missing. Lines starting with ';' are comments.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

}  // namespace db
