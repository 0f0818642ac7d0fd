#pragma once
// Loads and stores of the packet's little-endian numbers. Every target we build for
// is little-endian, so a plain copy is the conversion.
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace data::le {

static_assert(std::endian::native == std::endian::little, "packets are little-endian");

// The T stored at p (unaligned).
template <class T>
T Load(const std::uint8_t* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

// Appends the bytes of value to out.
template <class T>
void Append(std::vector<std::uint8_t>& out, T value) {
  const std::size_t at = out.size();
  out.resize(at + sizeof value);
  std::memcpy(out.data() + at, &value, sizeof value);
}

// Overwrites the bytes at out[at] with value.
template <class T>
void Store(std::vector<std::uint8_t>& out, std::size_t at, T value) {
  std::memcpy(out.data() + at, &value, sizeof value);
}

}  // namespace data::le
