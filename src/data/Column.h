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
  // Grows or shrinks to `rows` bits; new bits take `value`.
  void Resize(std::size_t rows, bool value);
  void Reserve(std::size_t rows) { words_.reserve((rows + 63) / 64); }
  void Clear() { words_.clear(), size_ = 0; }
  std::size_t Size() const { return size_; }
  std::size_t MemoryBytes() const { return words_.capacity() * sizeof(std::uint64_t); }

 private:
  std::vector<std::uint64_t> words_;
  std::size_t size_ = 0;
};

// The texts of one column: one append-only byte arena of length-prefixed texts and
// one 32-bit offset per row. Rewriting a cell appends; the dead bytes are reclaimed
// by a compaction once they outweigh the live ones.
class TextCells {
 public:
  TextCells();
  std::string_view Get(std::uint32_t row) const {
    const auto* p = reinterpret_cast<const unsigned char*>(arena_.data()) + offsets_[row];
    std::uint32_t length = *p & 0x7F;
    if (*p++ & 0x80) length = DecodeLongLength(p, length);
    return {reinterpret_cast<const char*>(p), length};
  }
  void Set(std::uint32_t row, std::string_view text);
  // Appends a row holding `text`.
  void Append(std::string_view text);
  void Resize(std::size_t rows);  // new rows hold ""
  void Reserve(std::size_t rows, std::size_t bytes);
  void Clear();
  std::size_t Size() const { return offsets_.size(); }
  std::size_t MemoryBytes() const;

 private:
  static std::uint32_t DecodeLongLength(const unsigned char*& p, std::uint32_t low);
  std::uint32_t Store(std::string_view text);
  void Compact();

  std::vector<char> arena_;  // byte 0 is the shared empty text
  std::vector<std::uint32_t> offsets_;
  std::size_t deadBytes_ = 0;
};

}  // namespace data
