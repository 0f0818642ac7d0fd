#pragma once
// Texts as a packet stores them: code page 936 or UTF-16LE bytes, possibly followed by
// NULs that the platform pads with. Inside, texts are UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace data::packet_text {

// True when every byte is ASCII, which code page 936 and UTF-8 spell alike.
bool IsAscii(std::string_view text);
// Stored ANSI bytes as UTF-8, trailing NULs dropped.
std::string FromAnsi(const std::uint8_t* bytes, std::size_t count);
// Stored UTF-16LE bytes (count even) as UTF-8, trailing NULs dropped.
std::string FromWide(const std::uint8_t* bytes, std::size_t count);
// A UTF-8 text in code page 936; nullopt when it holds characters the code page lacks.
std::optional<std::string> ToAnsi(std::string_view utf8);

}  // namespace data::packet_text
