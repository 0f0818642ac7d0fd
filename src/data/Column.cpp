#include "data/Column.h"

#include <cstdlib>
#include <cstring>
#include <new>
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
TextCells::TextCells() { Clear(); }

TextCells::~TextCells() { std::free(arena_); }

std::uint32_t TextCells::DecodeLongLength(const unsigned char*& p, std::uint32_t low) {
  std::uint32_t length = low;
  for (int shift = 7;; shift += 7) {
    const unsigned char byte = *p++;
    length |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) break;
  }
  return length;
}

void TextCells::Grow(std::size_t needed) {
  if (used_ + needed <= capacity_) return;
  std::size_t capacity = capacity_ + capacity_ / 2;
  if (capacity < used_ + needed) capacity = used_ + needed;
  if (capacity < 4096) capacity = 4096;
  char* grown = static_cast<char*>(std::realloc(arena_, capacity));
  if (!grown) throw std::bad_alloc();
  arena_ = grown;
  capacity_ = capacity;
}

std::uint32_t TextCells::Store(std::string_view text) {
  if (text.empty()) return 0;
  if (used_ + text.size() + 5 > UINT32_MAX) {
    Compact();
    if (used_ + text.size() + 5 > UINT32_MAX) throw std::length_error("A text column holds more than 4 GB");
  }
  // The text may live in the arena, which growing moves: copy it out first.
  std::string copy;
  if (text.data() >= arena_ && text.data() < arena_ + used_) {
    copy.assign(text);
    text = copy;
  }
  Grow(text.size() + 5);
  const auto offset = static_cast<std::uint32_t>(used_);
  auto* p = reinterpret_cast<unsigned char*>(arena_ + used_);
  std::size_t length = text.size();
  if (length < 0x80) {
    *p++ = static_cast<unsigned char>(length);
  } else {
    *p++ = static_cast<unsigned char>(0x80 | (length & 0x7F));
    for (length >>= 7; length; length >>= 7) *p++ = static_cast<unsigned char>((length & 0x7F) | (length > 0x7F ? 0x80 : 0));
  }
  std::memcpy(p, text.data(), text.size());
  used_ = static_cast<std::size_t>(reinterpret_cast<char*>(p) - arena_) + text.size();
  return offset;
}

void TextCells::Set(std::uint32_t row, std::string_view text) {
  const std::string_view old = Get(row);
  if (old.size() == text.size()) {
    // Same length: overwrite in place (memmove: the text may be this very cell).
    if (!text.empty()) std::memmove(arena_ + (old.data() - arena_), text.data(), text.size());
    return;
  }
  if (offsets_[row] != 0) deadBytes_ += static_cast<std::size_t>(old.data() - arena_) - offsets_[row] + old.size();
  offsets_[row] = Store(text);
  if (deadBytes_ > (1u << 20) && deadBytes_ * 2 > used_) Compact();
}

void TextCells::Resize(std::size_t rows) { offsets_.resize(rows, 0); }

void TextCells::Reserve(std::size_t rows, std::size_t bytes) {
  offsets_.reserve(rows);
  Grow(bytes);
}

void TextCells::ShrinkToFit() {
  offsets_.shrink_to_fit();
  if (capacity_ > used_ && used_ > 0) {
    if (char* shrunk = static_cast<char*>(std::realloc(arena_, used_))) {
      arena_ = shrunk;
      capacity_ = used_;
    }
  }
}

void TextCells::Clear() {
  std::free(arena_);
  arena_ = static_cast<char*>(std::malloc(1));
  if (!arena_) throw std::bad_alloc();
  arena_[0] = 0;
  used_ = capacity_ = 1;
  std::vector<std::uint32_t>().swap(offsets_);
  deadBytes_ = 0;
}

std::size_t TextCells::MemoryBytes() const { return capacity_ + offsets_.capacity() * sizeof(std::uint32_t); }

void TextCells::Compact() {
  char* old = arena_;
  const std::size_t oldUsed = used_;
  arena_ = static_cast<char*>(std::malloc(oldUsed - deadBytes_));
  if (!arena_) {
    arena_ = old;
    throw std::bad_alloc();
  }
  arena_[0] = 0;
  used_ = 1;
  capacity_ = oldUsed - deadBytes_;
  deadBytes_ = 0;
  for (std::uint32_t& offset : offsets_) {
    if (offset == 0) continue;
    const auto* p = reinterpret_cast<const unsigned char*>(old) + offset;
    std::uint32_t length = *p & 0x7F;
    if (*p++ & 0x80) length = DecodeLongLength(p, length);
    offset = Store({reinterpret_cast<const char*>(p), length});
  }
  std::free(old);
}

}  // namespace data
