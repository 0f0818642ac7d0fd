#include "data/Sort.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

#include "data/Collation.h"
#include "data/Field.h"

namespace data {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A sort key of one row as an unsigned number whose order is the key's order.
struct KeyedPosition {
  std::uint64_t key;
  std::uint32_t position;
};

// Stable least-significant-digit radix sort of items[0, n) on 64-bit keys, one byte
// per pass, through `scratch` (n items); a pass whose byte is the same in every key
// is skipped.
template <class T, class KeyOf>
void RadixSort(T* items, std::size_t n, T* scratch, KeyOf keyOf) {
  if (n < 2) return;
  T* from = items;
  T* to = scratch;
  for (int shift = 0; shift < 64; shift += 8) {
    std::size_t counts[256] = {};
    for (std::size_t i = 0; i < n; ++i) ++counts[(keyOf(from[i]) >> shift) & 0xFF];
    if (counts[(keyOf(from[0]) >> shift) & 0xFF] == n) continue;
    std::size_t offset = 0;
    for (std::size_t& count : counts) {
      const std::size_t c = count;
      count = offset;
      offset += c;
    }
    for (std::size_t i = 0; i < n; ++i) to[counts[(keyOf(from[i]) >> shift) & 0xFF]++] = from[i];
    std::swap(from, to);
  }
  if (from != items) std::copy(from, from + n, items);
}

template <class T, class KeyOf>
void RadixSort(std::vector<T>& items, KeyOf keyOf) {
  std::vector<T> scratch(items.size());
  RadixSort(items.data(), items.size(), scratch.data(), keyOf);
}

std::uint64_t OrderedBits(double value) {
  if (value == 0) value = 0;  // -0 and +0 are one key
  std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  return (bits & 0x8000000000000000ULL) ? ~bits : bits | 0x8000000000000000ULL;
}

std::uint64_t NumericKey(const Field& field, std::uint32_t row) {
  switch (field.DataType()) {
    case FieldType::Integer: return static_cast<std::uint32_t>(field.IntegerAt(row)) ^ 0x80000000U;
    case FieldType::Boolean: return field.BooleanAt(row) ? 1 : 0;
    default: return OrderedBits(field.FloatAt(row));
  }
}

// Dense ranks of a text key. Each text becomes its code page 936 bytes; a
// most-significant-first radix sort orders them eight bytes at a time, so long common
// prefixes ("供应商0001", "供应商0002", ...) cost a pass each rather than a
// character-by-character comparison per pair.
std::uint32_t RankText(const std::vector<std::uint32_t>& rows, const SortKey& sortKey,
                       std::vector<std::uint32_t>& ranks) {
  const Field& field = *sortKey.field;
  std::string keys;
  std::vector<std::uint32_t> keyBegin(rows.size() + 1, 0);
  std::vector<KeyedPosition> items;
  items.reserve(rows.size());
  for (std::uint32_t position = 0; position < rows.size(); ++position) {
    keyBegin[position] = static_cast<std::uint32_t>(keys.size());
    const std::uint32_t row = rows[position];
    if (field.IsNullAt(row)) continue;
    AppendAnsiSortKey(field.TextAt(row), sortKey.caseInsensitive, keys);
    if (keys.size() > UINT32_MAX - 8) throw DatasetError("Texts too long to sort");
    items.push_back({0, position});
  }
  keyBegin[rows.size()] = static_cast<std::uint32_t>(keys.size());
  // A position's key runs to the next position's start (null rows add no bytes).
  const auto keyOf = [&](std::uint32_t position) {
    return std::string_view(keys).substr(keyBegin[position], keyBegin[position + 1] - keyBegin[position]);
  };
  const auto chunkAt = [&](std::uint32_t position, std::size_t depth) {
    const std::string_view key = keyOf(position);
    std::uint64_t chunk = 0;
    for (std::size_t i = depth; i < depth + 8; ++i)
      chunk = chunk << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0);
    return chunk;
  };
  const auto less = [&](const KeyedPosition& a, const KeyedPosition& b) { return keyOf(a.position) < keyOf(b.position); };

  std::vector<KeyedPosition> scratch(items.size());
  struct Range {
    std::size_t begin, end, depth;
  };
  std::vector<Range> pending{{0, items.size(), 0}};
  while (!pending.empty()) {
    const Range range = pending.back();
    pending.pop_back();
    const std::size_t n = range.end - range.begin;
    if (n < 2) continue;
    KeyedPosition* first = items.data() + range.begin;
    if (n <= 32) {
      std::stable_sort(first, first + n, less);
      continue;
    }
    for (std::size_t i = 0; i < n; ++i) first[i].key = chunkAt(first[i].position, range.depth);
    RadixSort(first, n, scratch.data(), [](const KeyedPosition& k) { return k.key; });
    // Within a run of equal chunks, the keys that end inside the chunk come first by
    // length (zero bytes pad them); the longer ones go on to the next eight bytes.
    for (std::size_t i = 0; i < n;) {
      std::size_t j = i + 1;
      while (j < n && first[j].key == first[i].key) ++j;
      if (j - i > 1) {
        const auto lengthClass = [&](const KeyedPosition& k) {
          const std::size_t size = keyOf(k.position).size();
          return size <= range.depth ? 0 : std::min<std::size_t>(size - range.depth, 9);
        };
        std::size_t counts[11] = {};
        for (std::size_t k = i; k < j; ++k) ++counts[lengthClass(first[k]) + 1];
        for (int c = 1; c < 11; ++c) counts[c] += counts[c - 1];
        for (std::size_t k = i; k < j; ++k) scratch[counts[lengthClass(first[k])]++] = first[k];
        std::copy(scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(j - i), first + i);
        const std::size_t longer = i + counts[8];
        if (j - longer > 1) pending.push_back({range.begin + longer, range.begin + j, range.depth + 8});
      }
      i = j;
    }
  }
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == 0 || keyOf(items[i].position) != keyOf(items[i - 1].position)) ++rank;
    ranks[items[i].position] = rank;
  }
  return rank;
}

// Dense ranks of one key over the rows, by position in `rows`: nulls get 0, the
// smallest value 1, equal values equal ranks. Returns the largest rank.
std::uint32_t RankKey(const std::vector<std::uint32_t>& rows, const SortKey& sortKey,
                      std::vector<std::uint32_t>& ranks) {
  ranks.assign(rows.size(), 0);
  const Field& field = *sortKey.field;
  if (field.IsText()) return RankText(rows, sortKey, ranks);
  std::vector<KeyedPosition> keyed;
  keyed.reserve(rows.size());
  for (std::uint32_t position = 0; position < rows.size(); ++position) {
    const std::uint32_t row = rows[position];
    if (!field.IsNullAt(row)) keyed.push_back({NumericKey(field, row), position});
  }
  RadixSort(keyed, [](const KeyedPosition& k) { return k.key; });
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < keyed.size(); ++i) {
    if (i == 0 || keyed[i].key != keyed[i - 1].key) ++rank;
    ranks[keyed[i].position] = rank;
  }
  return rank;
}

}  // namespace

std::vector<std::string> SplitFieldList(std::string_view names) {
  std::vector<std::string> result;
  while (true) {
    const std::size_t semicolon = names.find(';');
    const std::string_view item = Trimmed(names.substr(0, semicolon));
    if (!item.empty()) result.emplace_back(item);
    if (semicolon == std::string_view::npos) break;
    names.remove_prefix(semicolon + 1);
  }
  return result;
}

std::vector<SortTextItem> ParseSortText(std::string_view text) {
  std::vector<SortTextItem> items;
  if (Trimmed(text).empty()) return items;
  while (true) {
    const std::size_t comma = text.find(',');
    std::string_view item = Trimmed(text.substr(0, comma));
    if (item.empty()) throw DatasetError("Sort text has an empty item: '" + std::string(text) + "'");
    SortTextItem parsed;
    std::string_view rest;
    if (item.front() == '[') {
      const std::size_t close = item.find(']');
      if (close == std::string_view::npos)
        throw DatasetError("Sort text has an unclosed '[': '" + std::string(item) + "'");
      parsed.field = std::string(item.substr(1, close - 1));
      rest = Trimmed(item.substr(close + 1));
    } else {
      const std::size_t blank = item.find_first_of(" \t");
      parsed.field = std::string(item.substr(0, blank));
      rest = blank == std::string_view::npos ? std::string_view() : Trimmed(item.substr(blank));
    }
    if (EqualsIgnoreCase(rest, "DESC")) {
      parsed.descending = true;
    } else if (!rest.empty() && !EqualsIgnoreCase(rest, "ASC")) {
      throw DatasetError("Sort text item '" + std::string(item) + "' must end in ASC or DESC");
    }
    if (parsed.field.empty()) throw DatasetError("Sort text item '" + std::string(item) + "' names no field");
    items.push_back(std::move(parsed));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return items;
}

int CompareRows(std::uint32_t a, std::uint32_t b, const std::vector<SortKey>& keys) {
  for (const SortKey& key : keys) {
    const Field& field = *key.field;
    const bool nullA = field.IsNullAt(a);
    const bool nullB = field.IsNullAt(b);
    int result = 0;
    if (nullA || nullB) {
      result = nullA == nullB ? 0 : (nullA ? -1 : 1);
    } else if (field.IsText()) {
      result = CompareAnsi(field.TextAt(a), field.TextAt(b), key.caseInsensitive);
    } else {
      const std::uint64_t x = NumericKey(field, a);
      const std::uint64_t y = NumericKey(field, b);
      result = x == y ? 0 : (x < y ? -1 : 1);
    }
    if (result != 0) return key.descending ? -result : result;
  }
  return 0;
}

// Each key is reduced to dense ranks; when the ranks of all keys and the position
// fit in 64 bits together they are packed into one number per row and the numbers
// radix-sorted (the position, lowest, keeps ties in their order); otherwise the
// positions are stable-sorted by comparing the ranks.
void SortRows(std::vector<std::uint32_t>& rows, const std::vector<SortKey>& keys) {
  if (rows.size() < 2 || keys.empty()) return;
  const std::size_t n = rows.size();
  std::vector<std::vector<std::uint32_t>> ranks(keys.size());
  std::vector<std::uint32_t> maxRank(keys.size());
  int bits = std::bit_width(static_cast<std::uint64_t>(n - 1));
  for (std::size_t k = 0; k < keys.size(); ++k) {
    maxRank[k] = RankKey(rows, keys[k], ranks[k]);
    bits += std::bit_width(static_cast<std::uint64_t>(maxRank[k]));
  }
  std::vector<std::uint32_t> sorted(n);
  if (bits <= 64) {
    std::vector<std::uint64_t> packed(n);
    for (std::uint32_t position = 0; position < n; ++position) {
      std::uint64_t value = 0;
      for (std::size_t k = 0; k < keys.size(); ++k) {
        const std::uint32_t rank = keys[k].descending ? maxRank[k] - ranks[k][position] : ranks[k][position];
        value = (value << std::bit_width(static_cast<std::uint64_t>(maxRank[k]))) | rank;
      }
      packed[position] = (value << std::bit_width(static_cast<std::uint64_t>(n - 1))) | position;
    }
    RadixSort(packed, [](std::uint64_t v) { return v; });
    const std::uint64_t mask = (std::uint64_t{1} << std::bit_width(static_cast<std::uint64_t>(n - 1))) - 1;
    for (std::size_t i = 0; i < n; ++i) sorted[i] = rows[packed[i] & mask];
  } else {
    std::vector<std::uint32_t> positions(n);
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
      for (std::size_t k = 0; k < keys.size(); ++k) {
        if (ranks[k][a] != ranks[k][b])
          return keys[k].descending ? ranks[k][a] > ranks[k][b] : ranks[k][a] < ranks[k][b];
      }
      return false;
    });
    for (std::size_t i = 0; i < n; ++i) sorted[i] = rows[positions[i]];
  }
  rows.swap(sorted);
}

}  // namespace data
