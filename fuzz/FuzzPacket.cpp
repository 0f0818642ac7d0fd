// Fuzzes the data packet reader with hostile bytes. Besides "no crash, no over-read":
// whatever reads as a packet and can be written again must be a fixed point, i.e.
// reading and writing the written bytes gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "data/packet/PacketCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  std::vector<std::uint8_t> written;
  try {
    const data::Packet packet = data::DecodePacket(std::span<const std::uint8_t>(bytes, size));
    written = data::EncodePacket(packet);
  } catch (const data::PacketError&) {
    return 0;  // refused, with a message: what the reader must do with bad bytes
  }
  const std::vector<std::uint8_t> again = data::EncodePacket(data::DecodePacket(written));
  if (again != written) std::abort();
  return 0;
}
