#pragma once
// The colour scheme the host's user chose, as the host stores it: section
// "ColorOption" of "Tarnvelpos.ini" in the host program's folder, every colour a
// decimal integer in the system's encoding (0x00BBGGRR; system colours negative).
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace host {

// The text of `key` in the scheme, or `defaultValue` when the file, the section or
// the key is missing.
std::string ReadColourText(std::string_view key, std::string_view defaultValue);

// A scheme value as a colour: a whole number (decimal, or hexadecimal after "$"), in
// the range of a 32-bit integer. Anything else is an error that names the key and
// the value.
ui::Color ColourFromText(std::string_view key, std::string_view text);

// The folder the scheme is read from instead of the host program's (for a host that
// keeps its files elsewhere, and for tests); empty: the host program's folder.
void SetColourFolder(std::string folder);

}  // namespace host
