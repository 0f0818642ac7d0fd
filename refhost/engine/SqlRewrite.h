#pragma once
// The one change the host makes to the library's SQL before SQLite runs it.
#include <string>
#include <string_view>

namespace refhost {

// Rewrites every call left(x, n) into substr(x, 1, n), which SQLite understands.
// The name matches in any case and may be followed by blanks before its parenthesis;
// calls inside other calls' arguments (also inside left's own) are rewritten too.
// Nothing changes inside string literals, quoted identifiers or comments, in longer
// names (f_left, lefty), in LEFT JOIN, or in a call without exactly two arguments.
// Everything else of the text is kept byte for byte.
std::string RewriteLeftCalls(std::string_view sql);

}  // namespace refhost
