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

bool EqualsWord(std::string_view text, std::string_view upperWord) {
  if (text.size() != upperWord.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
    if (c != upperWord[i]) return false;
  }
  return true;
}

// A sort key of one row as an unsigned number whose order is the key's order.
struct KeyedPosition {
  std::uint64_t key;
  std::uint32_t position;
};

// Stable least-significant-digit radix sort on 64-bit keys, one byte per pass;
// a pass whose byte is the same in every key is skipped.
template <class T, class KeyOf>
void RadixSort(std::vector<T>& items, KeyOf keyOf) {
  if (items.size() < 2) return;
  std::vector<T> buffer(items.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::size_t counts[256] = {};
    for (const T& item : items) ++counts[(keyOf(item) >> shift) & 0xFF];
    if (counts[(keyOf(items[0]) >> shift) & 0xFF] == items.size()) continue;
    std::size_t offset = 0;
    for (std::size_t& count : counts) {
      const std::size_t n = count;
      count = offset;
      offset += n;
    }
    for (const T& item : items) buffer[counts[(keyOf(item) >> shift) & 0xFF]++] = item;
    items.swap(buffer);
  }
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

// Dense ranks of one key over the rows, by position in `rows`: nulls get 0, the
// smallest value 1, equal values equal ranks. Returns the largest rank.
std::uint32_t RankKey(const std::vector<std::uint32_t>& rows, const SortKey& sortKey,
                      std::vector<std::uint32_t>& ranks) {
  const Field& field = *sortKey.field;
  const bool text = field.IsText();
  std::vector<KeyedPosition> keyed;
  keyed.reserve(rows.size());
  ranks.assign(rows.size(), 0);
  for (std::uint32_t position = 0; position < rows.size(); ++position) {
    const std::uint32_t row = rows[position];
    if (field.IsNullAt(row)) continue;
    const std::uint64_t key = text ? AnsiSortPrefix(field.TextAt(row), sortKey.caseInsensitive)
                                   : NumericKey(field, row);
    keyed.push_back({key, position});
  }
  RadixSort(keyed, [](const KeyedPosition& k) { return k.key; });
  if (text) {
    // Equal prefixes: order the run by the whole text.
    const auto textOf = [&](const KeyedPosition& k) { return field.TextAt(rows[k.position]); };
    for (std::size_t begin = 0; begin < keyed.size();) {
      std::size_t end = begin + 1;
      bool same = true;
      while (end < keyed.size() && keyed[end].key == keyed[begin].key) {
        same = same && textOf(keyed[end]) == textOf(keyed[begin]);
        ++end;
      }
      if (!same)
        std::stable_sort(keyed.begin() + begin, keyed.begin() + end,
                         [&](const KeyedPosition& a, const KeyedPosition& b) {
                           return CompareAnsi(textOf(a), textOf(b), sortKey.caseInsensitive) < 0;
                         });
      begin = end;
    }
  }
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < keyed.size(); ++i) {
    bool differs = i == 0 || keyed[i].key != keyed[i - 1].key;
    if (!differs && text)
      differs = CompareAnsi(field.TextAt(rows[keyed[i].position]), field.TextAt(rows[keyed[i - 1].position]),
                            sortKey.caseInsensitive) != 0;
    if (differs) ++rank;
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
    if (EqualsWord(rest, "DESC")) {
      parsed.descending = true;
    } else if (!rest.empty() && !EqualsWord(rest, "ASC")) {
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
