#pragma once
// Case-insensitive comparison of field and property names, which are ASCII keywords.
#include <cctype>
#include <string_view>

namespace data {

// True when a and b differ at most in the case of ASCII letters.
inline bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace data
