#include "data/Column.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace data {

void RowBits::Resize(std::size_t rows, bool value) {
  const std::size_t old = size_;
  words_.resize((rows + 63) / 64, value ? ~std::uint64_t{0} : 0);
  size_ = rows;
  // Bits of the last old word beyond the old size take the new value too.
  for (std::size_t row = old; row < rows && (row & 63) != 0; ++row)
    Set(static_cast<std::uint32_t>(row), value);
}

// A cell is the offset of its text in the arena; the text is preceded by its
// length: one byte below 128, otherwise seven bits in the first byte (with the top
// bit set) and the rest as a little-endian base-128 number.
TextCells::TextCells() { arena_.push_back(0); }

std::uint32_t TextCells::DecodeLongLength(const unsigned char*& p, std::uint32_t low) {
  std::uint32_t length = low;
  for (int shift = 7;; shift += 7) {
    const unsigned char byte = *p++;
    length |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) break;
  }
  return length;
}

std::uint32_t TextCells::Store(std::string_view text) {
  if (text.empty()) return 0;
  // The text may live in the arena, which growing moves: copy it out first.
  std::string copy;
  if (text.data() >= arena_.data() && text.data() < arena_.data() + arena_.size()) {
    copy.assign(text);
    text = copy;
  }
  if (arena_.size() + text.size() + 5 > UINT32_MAX) {
    Compact();
    if (arena_.size() + text.size() + 5 > UINT32_MAX)
      throw std::length_error("A text column holds more than 4 GB");
  }
  const auto offset = static_cast<std::uint32_t>(arena_.size());
  std::size_t length = text.size();
  if (length < 0x80) {
    arena_.push_back(static_cast<char>(length));
  } else {
    arena_.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    length >>= 7;
    while (true) {
      const unsigned char byte = length & 0x7F;
      length >>= 7;
      arena_.push_back(static_cast<char>(length ? byte | 0x80 : byte));
      if (!length) break;
    }
  }
  arena_.insert(arena_.end(), text.begin(), text.end());
  return offset;
}

void TextCells::Append(std::string_view text) { offsets_.push_back(Store(text)); }

void TextCells::Set(std::uint32_t row, std::string_view text) {
  const std::string_view old = Get(row);
  if (old.size() == text.size()) {
    // Same length: overwrite in place (memmove: the text may be this very cell).
    if (!text.empty()) std::memmove(arena_.data() + (old.data() - arena_.data()), text.data(), text.size());
    return;
  }
  if (offsets_[row] != 0) deadBytes_ += static_cast<std::size_t>(old.data() - arena_.data()) - offsets_[row] + old.size();
  offsets_[row] = Store(text);
  if (deadBytes_ > (1u << 20) && deadBytes_ * 2 > arena_.size()) Compact();
}

void TextCells::Resize(std::size_t rows) { offsets_.resize(rows, 0); }

void TextCells::Reserve(std::size_t rows, std::size_t bytes) {
  offsets_.reserve(rows);
  arena_.reserve(bytes + rows);
}

void TextCells::Clear() {
  arena_.assign(1, 0);
  offsets_.clear();
  deadBytes_ = 0;
}

std::size_t TextCells::MemoryBytes() const {
  return arena_.capacity() + offsets_.capacity() * sizeof(std::uint32_t);
}

void TextCells::Compact() {
  std::vector<char> old;
  old.swap(arena_);
  arena_.reserve(old.size() - deadBytes_);
  arena_.push_back(0);
  deadBytes_ = 0;
  for (std::uint32_t& offset : offsets_) {
    if (offset == 0) continue;
    const auto* p = reinterpret_cast<const unsigned char*>(old.data()) + offset;
    std::uint32_t length = *p & 0x7F;
    if (*p++ & 0x80) length = DecodeLongLength(p, length);
    offset = Store({reinterpret_cast<const char*>(p), length});
  }
}

}  // namespace data
