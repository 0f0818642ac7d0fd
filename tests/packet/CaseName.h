#pragma once
// Test names for parameterised cases that carry a `label`.
#include <cctype>
#include <string>

namespace packet_tests {

// The case's label with every character that a test name cannot hold turned into '_'.
template <class Info>
std::string CaseName(const Info& info) {
  std::string name = info.param.label;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

}  // namespace packet_tests
