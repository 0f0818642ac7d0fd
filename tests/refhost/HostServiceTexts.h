#pragma once
// The error texts a false host answer carries, for assertions.
#include <string>
#include <vector>

#include "host/HostDataService.h"

namespace refhost::test {

inline std::vector<std::string> ErrorTexts(const host::HostResult& result) {
  std::vector<std::string> texts;
  if (result.errors.IsArray())
    for (const auto& item : result.errors.Array().items) texts.push_back(item.ToText());
  return texts;
}

}  // namespace refhost::test
