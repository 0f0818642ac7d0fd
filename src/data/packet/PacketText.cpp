#include "data/packet/PacketText.h"

#include <algorithm>

#include "base/Text.h"
#include "data/packet/LittleEndian.h"

namespace data::packet_text {
bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string FromAnsi(const std::uint8_t* bytes, std::size_t count) {
  while (count > 0 && bytes[count - 1] == 0) --count;
  const std::string_view ansi(reinterpret_cast<const char*>(bytes), count);
  return IsAscii(ansi) ? std::string(ansi) : base::AnsiToUtf8(ansi);
}

std::string FromWide(const std::uint8_t* bytes, std::size_t count) {
  std::size_t units = count / 2;
  while (units > 0 && bytes[2 * units - 1] == 0 && bytes[2 * units - 2] == 0) --units;
  std::u16string wide(units, u'\0');
  for (std::size_t i = 0; i < units; ++i) wide[i] = le::Load<char16_t>(bytes + 2 * i);
  return base::Utf16ToUtf8(wide);
}

std::optional<std::string> ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  // The converter puts '?' for what the code page lacks: more '?' out than in means loss.
  std::string ansi = base::Utf8ToAnsi(utf8);
  if (std::count(ansi.begin(), ansi.end(), '?') != std::count(utf8.begin(), utf8.end(), '?'))
    return std::nullopt;
  return ansi;
}

}  // namespace data::packet_text
