#include "db/TextUtils.h"

#include "base/Text.h"

namespace db {

bool SplitText(std::string_view delimiter, std::string_view text,
               std::vector<std::string>& pieces) {
  pieces.clear();
  if (!delimiter.empty()) {
    for (std::size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter)) {
      pieces.push_back(base::Trim(text.substr(0, at)));
      text.remove_prefix(at + delimiter.size());
    }
  }
  pieces.push_back(base::Trim(text));
  for (const std::string& piece : pieces)
    if (piece.empty()) return false;
  return true;
}

int CountFields(std::string_view text, std::string_view delimiter) {
  if (text.empty()) return 0;
  int count = 1;
  if (delimiter.empty()) return count;
  for (std::size_t at = text.find(delimiter); at != std::string_view::npos;
       at = text.find(delimiter, at + delimiter.size()))
    ++count;
  return count;
}

std::string NthField(std::string_view text, char delimiter, int n) {
  if (n < 1) return {};
  std::size_t start = 0;
  std::size_t end = text.size();
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != delimiter) continue;
    ++seen;
    if (seen == n - 1) start = i + 1;
    if (seen == n) {
      end = i;
      break;
    }
  }
  // The whole text means: no delimiter at all, or no field n.
  if (start == 0 && end == text.size()) return {};
  return std::string(text.substr(start, end - start));
}

std::string ChooseText(bool condition, std::string_view a, std::string_view b) {
  return std::string(condition ? a : b);
}

std::string PadNumber(int width, bool truncate, std::int64_t value) {
  const std::string digits = std::to_string(value);
  const std::size_t n = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (digits.size() > n) return truncate ? digits.substr(digits.size() - n) : digits;
  const std::size_t sign = value < 0 ? 1 : 0;
  return digits.substr(0, sign) + std::string(n - digits.size(), '0') + digits.substr(sign);
}

}  // namespace db
