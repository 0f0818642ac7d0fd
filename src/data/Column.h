#pragma once
// Column storage of a dataset: one typed vector per field plus a null mask. A field
// holds one Column; rows are addressed by their storage row number, which never
// changes while the row lives (sorting and filtering reorder a view, not the rows).
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace data {

// One bit per row.
class RowBits {
 public:
  bool Test(std::uint32_t row) const { return (words_[row >> 6] >> (row & 63)) & 1U; }
  void Set(std::uint32_t row, bool value) {
    const std::uint64_t bit = std::uint64_t{1} << (row & 63);
    if (value)
      words_[row >> 6] |= bit;
    else
      words_[row >> 6] &= ~bit;
  }
  void PushBack(bool value) {
    if ((size_ & 63) == 0) words_.push_back(0);
    Set(static_cast<std::uint32_t>(size_++), value);
  }
  // Grows or shrinks to `rows` bits; new bits take `value`.
  void Resize(std::size_t rows, bool value);
  void Reserve(std::size_t rows) { words_.reserve((rows + 63) / 64); }
  void Clear() { words_.clear(), size_ = 0; }
  void ShrinkToFit() { words_.shrink_to_fit(); }
  std::size_t Size() const { return size_; }
  std::size_t MemoryBytes() const { return words_.capacity() * sizeof(std::uint64_t); }

 private:
  std::vector<std::uint64_t> words_;
  std::size_t size_ = 0;
};

// The texts of one column: one append-only byte arena of length-prefixed texts and
// one 32-bit offset per row. Rewriting a cell appends; the dead bytes are reclaimed
// by a compaction once they outweigh the live ones. The arena grows by realloc,
// which moves large blocks by remapping pages rather than copying them.
class TextCells {
 public:
  TextCells();
  ~TextCells();
  TextCells(const TextCells&) = delete;
  TextCells& operator=(const TextCells&) = delete;

  std::string_view Get(std::uint32_t row) const {
    const auto* p = reinterpret_cast<const unsigned char*>(arena_) + offsets_[row];
    std::uint32_t length = *p & 0x7F;
    if (*p++ & 0x80) length = DecodeLongLength(p, length);
    return {reinterpret_cast<const char*>(p), length};
  }
  void Set(std::uint32_t row, std::string_view text);
  // Appends a row holding `text`.
  void Append(std::string_view text) { offsets_.push_back(Store(text)); }
  void Resize(std::size_t rows);  // new rows hold ""
  void Reserve(std::size_t rows, std::size_t bytes);
  void ShrinkToFit();
  void Clear();
  std::size_t Size() const { return offsets_.size(); }
  std::size_t MemoryBytes() const;

 private:
  static std::uint32_t DecodeLongLength(const unsigned char*& p, std::uint32_t low);
  std::uint32_t Store(std::string_view text);
  void Grow(std::size_t needed);
  void Compact();

  char* arena_ = nullptr;  // byte 0 is the shared empty text
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
  std::vector<std::uint32_t> offsets_;
  std::size_t deadBytes_ = 0;
};

}  // namespace data
