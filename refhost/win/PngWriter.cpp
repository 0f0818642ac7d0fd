// PNG: signature, IHDR, one IDAT holding a zlib stream of stored (uncompressed)
// deflate blocks, IEND. Each chunk ends with the CRC-32 of its type and data; the
// zlib stream ends with the Adler-32 of the raw scan lines.
#include "refhost/win/PngWriter.h"

#include <algorithm>
#include <array>

namespace refhost {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const Bytes& data) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char type[4], const Bytes& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + start, out.size() - start, 0));
}

Bytes ZlibStored(const Bytes& raw) {
  constexpr std::size_t kMaxBlock = 65535;
  Bytes out{0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t size = std::min(kMaxBlock, raw.size() - offset);
    const bool last = offset + size == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(size));
    out.push_back(static_cast<std::uint8_t>(size >> 8));
    out.push_back(static_cast<std::uint8_t>(~size));
    out.push_back(static_cast<std::uint8_t>(~size >> 8));
    out.insert(out.end(), raw.begin() + offset, raw.begin() + offset + size);
    offset += size;
  } while (offset < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
  Bytes scanLines;
  scanLines.reserve((stride + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    scanLines.push_back(0);  // filter type None
    const auto row = image.pixels.begin() + y * stride;
    scanLines.insert(scanLines.end(), row, row + stride);
  }
  Bytes header;
  PutBigEndian(header, image.width);
  PutBigEndian(header, image.height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", ZlibStored(scanLines));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace refhost
