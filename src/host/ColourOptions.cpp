#include "host/ColourOptions.h"

#include <charconv>
#include <cstdint>
#include <stdexcept>

#include "db/IniText.h"

namespace host {
namespace {

std::string& ColourFolder() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string ReadColourText(std::string_view key, std::string_view defaultValue) {
  return db::ReadIniText("Tarnvelpos.ini", "ColorOption", key, ColourFolder(), defaultValue);
}

ui::Color ColourFromText(std::string_view key, std::string_view text) {
  std::string_view digits = text;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative || (!digits.empty() && digits.front() == '+')) digits.remove_prefix(1);
  int base = 10;
  if (!digits.empty() && digits.front() == '$') {
    digits.remove_prefix(1);
    base = 16;
  }
  std::int64_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (negative) value = -value;
  if (digits.empty() || digits.front() == '-' || digits.front() == '+' || error != std::errc() ||
      end != digits.data() + digits.size() || value < INT32_MIN || value > UINT32_MAX)
    throw std::invalid_argument("Tarnvelpos.ini [ColorOption] " + std::string(key) + "=\"" +
                                std::string(text) + "\" 不是有效的颜色值（应为整数）");
  return static_cast<ui::Color>(static_cast<std::uint32_t>(value));
}

void SetColourFolder(std::string folder) { ColourFolder() = std::move(folder); }

}  // namespace host
