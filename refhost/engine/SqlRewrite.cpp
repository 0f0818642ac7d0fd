#include "refhost/engine/SqlRewrite.h"

#include <cctype>
#include <optional>

namespace refhost {

namespace {

bool IsNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '_' || c == '$' || c == '#' || c == '@' || u >= 0x80;
}

// The end of the quoted run or comment that starts at pos, or pos itself when none
// starts there. Literals double their closing quote to include it ('it''s').
std::size_t SkipQuotedOrComment(std::string_view sql, std::size_t pos) {
  const char c = sql[pos];
  if (c == '\'' || c == '"' || c == '[') {
    const char close = c == '[' ? ']' : c;
    std::size_t i = pos + 1;
    while (i < sql.size()) {
      if (sql[i] == close) {
        if (i + 1 < sql.size() && sql[i + 1] == close) {
          i += 2;
          continue;
        }
        return i + 1;
      }
      ++i;
    }
    return sql.size();
  }
  if (c == '-' && pos + 1 < sql.size() && sql[pos + 1] == '-') {
    const std::size_t end = sql.find('\n', pos);
    return end == std::string_view::npos ? sql.size() : end;
  }
  if (c == '/' && pos + 1 < sql.size() && sql[pos + 1] == '*') {
    const std::size_t end = sql.find("*/", pos + 2);
    return end == std::string_view::npos ? sql.size() : end + 2;
  }
  return pos;
}

bool StartsWithLeft(std::string_view sql, std::size_t pos) {
  static constexpr std::string_view kName = "left";
  if (pos + kName.size() > sql.size()) return false;
  for (std::size_t k = 0; k < kName.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(sql[pos + k])) != kName[k]) return false;
  return true;
}

struct Call {
  std::size_t open;   // position of '('
  std::size_t comma;  // the top-level comma between the two arguments
  std::size_t close;  // position of the matching ')'
};

// The argument list of a call whose '(' is at open, when it holds exactly two arguments.
std::optional<Call> ParseTwoArguments(std::string_view sql, std::size_t open) {
  Call call{open, std::string_view::npos, std::string_view::npos};
  int depth = 0;
  for (std::size_t i = open + 1; i < sql.size();) {
    const std::size_t skipped = SkipQuotedOrComment(sql, i);
    if (skipped != i) {
      i = skipped;
      continue;
    }
    const char c = sql[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) {
        call.close = i;
        break;
      }
      --depth;
    } else if (c == ',' && depth == 0) {
      if (call.comma != std::string_view::npos) return std::nullopt;
      call.comma = i;
    }
    ++i;
  }
  if (call.close == std::string_view::npos || call.comma == std::string_view::npos)
    return std::nullopt;
  return call;
}

}  // namespace

std::string RewriteLeftCalls(std::string_view sql) {
  std::string out;
  out.reserve(sql.size() + 16);
  std::size_t i = 0;
  while (i < sql.size()) {
    const std::size_t skipped = SkipQuotedOrComment(sql, i);
    if (skipped != i) {
      out.append(sql.substr(i, skipped - i));
      i = skipped;
      continue;
    }
    const bool nameStart = i == 0 || (!IsNameChar(sql[i - 1]) && sql[i - 1] != '.');
    if (nameStart && StartsWithLeft(sql, i) && (i + 4 == sql.size() || !IsNameChar(sql[i + 4]))) {
      std::size_t open = i + 4;
      while (open < sql.size() && std::isspace(static_cast<unsigned char>(sql[open]))) ++open;
      if (open < sql.size() && sql[open] == '(') {
        if (const auto call = ParseTwoArguments(sql, open)) {
          out += "substr(";
          out += RewriteLeftCalls(sql.substr(open + 1, call->comma - open - 1));
          out += ", 1,";
          out += RewriteLeftCalls(sql.substr(call->comma + 1, call->close - call->comma - 1));
          out += ')';
          i = call->close + 1;
          continue;
        }
      }
      out.append(sql.substr(i, 4));
      i += 4;
      continue;
    }
    // Copy the rest of a name at once, so that "f_left(" is never seen as a call.
    if (IsNameChar(sql[i])) {
      std::size_t end = i;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      out.append(sql.substr(i, end - i));
      i = end;
      continue;
    }
    out += sql[i++];
  }
  return out;
}

}  // namespace refhost
