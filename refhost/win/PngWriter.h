#pragma once
// PngWriter: an RGB image as a PNG file, uncompressed (zlib stored blocks), which is
// all a screenshot of a test run needs.
#include <cstdint>
#include <string>
#include <vector>

namespace refhost {

// Pixels top row first, three bytes (red, green, blue) each.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// The PNG file's bytes for `image`.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

}  // namespace refhost
