#pragma once
// Comparing SQL names and driver texts without regard to ASCII case.
#include <algorithm>
#include <cctype>
#include <string_view>

namespace refhost {

// True when a and b are equal but for ASCII case ("tbTdspzb", "TBTDSPZB").
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// True when text holds part, ignoring ASCII case.
inline bool ContainsNoCase(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         }) != text.end();
}

}  // namespace refhost
