#pragma once
// Small stateless text functions of the utility unit `global` that the screens share:
// splitting and picking apart delimited text, choosing between two texts, and
// zero-padded numbers.
//
// Choices made here:
// - SplitText with an empty delimiter gives the whole text, trimmed, as one piece.
// - CountFields counts occurrences of the whole delimiter text, so a delimiter that is
//   one multi-byte character counts correctly; an empty delimiter counts as absent.
// - NthField gives an empty text for a field number below 1.
// - PadNumber keeps a minus sign in front of the zeros ("-05", not "0-5").
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace db {

// Splits `text` at every `delimiter` into trimmed pieces (blanks and control
// characters); false when any piece is empty. "a,,b" gives a, "", b and false.
bool SplitText(std::string_view delimiter, std::string_view text, std::vector<std::string>& pieces);

// 0 for an empty text, otherwise 1 + the number of delimiters in it.
int CountFields(std::string_view text, std::string_view delimiter);

// Field n (from 1) of `text` split at `delimiter`; empty when the text holds no
// delimiter at all or has no field n. Field 2 of "a,b,c" is "b"; field 1 of "abc" is "".
std::string NthField(std::string_view text, char delimiter, int n);

// `a` when the condition holds, else `b`.
std::string ChooseText(bool condition, std::string_view a, std::string_view b);

// The value in decimal, left-padded with "0" to `width` characters; with `truncate`,
// a longer text is cut to its last `width` characters. PadNumber(2, false, 9) is "09".
std::string PadNumber(int width, bool truncate, std::int64_t value);

}  // namespace db
