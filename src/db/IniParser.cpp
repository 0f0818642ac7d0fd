#include "db/IniParser.h"

#include "base/Text.h"
#include "data/Collation.h"

namespace db {
namespace {

std::string Unquote(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::string IniBytesToUtf8(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") {
    std::u16string wide((bytes.size() - 2) / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
      wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                      static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    return base::Utf16ToUtf8(wide);
  }
  return base::AnsiToUtf8(bytes);
}

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
  bool inSection = false;
  const std::string wantedSection = base::Trim(section);
  const std::string wantedKey = base::Trim(key);
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    const std::string line = base::Trim(text.substr(0, eol));
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      // Only the first section of a name is searched, as on Windows.
      if (inSection) return std::nullopt;
      const std::size_t close = line.find(']');
      const std::size_t length = close == std::string::npos ? std::string::npos : close - 1;
      inSection = data::EqualsIgnoreCase(base::Trim(std::string_view(line).substr(1, length)),
                                         wantedSection);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string::npos) continue;
    if (data::EqualsIgnoreCase(base::Trim(line.substr(0, equals)), wantedKey))
      return Unquote(base::Trim(line.substr(equals + 1)));
  }
  return std::nullopt;
}

}  // namespace db
