#pragma once
// The statements of an execute call: an array of SQL texts, or one text of statements
// separated by ";" (a ";" between single quotes belongs to its literal). Blank
// statements are dropped.
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"

namespace refhost {

// The statements of one text, split at the semicolons outside string literals.
std::vector<std::string> SplitStatements(std::string_view text);
// The statements the call's data argument holds; HostRefusal for any other value.
std::vector<std::string> StatementsOf(const base::Variant& data);

}  // namespace refhost
