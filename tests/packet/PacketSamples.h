#pragma once
// Packets spelled out byte by byte, shared by the packet tests and the fuzzer's seeds.
#include <cstdint>
#include <vector>

namespace packet_samples {

// ID integer, NAME string(10); records (1, "Ab") and (2, NULL). 77 bytes.
const std::vector<std::uint8_t>& SmallPacket();
// Six fields (two ANSI texts, integer, float, date, UTF-16 text), LCID, two records. 214 bytes.
const std::vector<std::uint8_t>& RichPacket();

}  // namespace packet_samples
