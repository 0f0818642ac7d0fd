#pragma once
// The size of a text drawn word-wrapped in a given width, as the message dialog sizes
// its label: lines break at CR LF, at blanks and between Chinese characters; tabs stop
// at every eighth average character; a word wider than the width keeps a line of its
// own and widens the result.
#include <string_view>

#include "ui/Types.h"

namespace grid {

// Width (of the widest line) and height (lines times the line height) of `text`
// wrapped within `maxWidth` pixels in `font`.
ui::Size MeasureWrappedText(const ui::Font& font, std::string_view text, int maxWidth);

}  // namespace grid
