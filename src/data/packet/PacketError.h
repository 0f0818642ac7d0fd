#pragma once
// The error a data packet raises when it cannot be read or written.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace data {

// A truncated or inconsistent packet, or a value that the packet cannot hold.
class PacketError : public std::runtime_error {
 public:
  static constexpr std::size_t kNoOffset = static_cast<std::size_t>(-1);

  // what: the fault; offset: the byte offset in the packet where it was found, if any.
  explicit PacketError(const std::string& what, std::size_t offset = kNoOffset)
      : std::runtime_error(offset == kNoOffset
                               ? "data packet: " + what
                               : "data packet: " + what + " at offset " + std::to_string(offset)),
        offset_(offset) {}

  // Byte offset of the fault, or kNoOffset for faults found while writing.
  std::size_t Offset() const { return offset_; }

 private:
  std::size_t offset_;
};

}  // namespace data
