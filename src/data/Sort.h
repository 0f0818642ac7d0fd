#pragma once
// Record order of a dataset: the keys of a sort, the client dataset's named index
// definitions and the ADO dataset's sort text, and the stable multi-key sort of a
// view's rows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace data {

class Field;

// One key of a sort: a field, its direction and whether texts ignore ASCII case.
struct SortKey {
  const Field* field = nullptr;
  bool descending = false;
  bool caseInsensitive = false;
  friend bool operator==(const SortKey&, const SortKey&) = default;
};

// Options of a client-dataset index (the platform's TIndexOptions).
enum IndexOption : unsigned {
  ixPrimary = 1,
  ixUnique = 2,
  ixDescending = 4,         // every field descending
  ixCaseInsensitive = 8,    // every text field case-insensitive
  ixExpression = 16,
  ixNonMaintained = 32,
};

// A named index of a client dataset (one entry of IndexDefs).
struct IndexDef {
  std::string name;
  std::string fields;           // "f_a;f_b"
  unsigned options = 0;         // IndexOption bits
  std::string descFields;       // fields sorted descending, "f_b"
  std::string caseInsFields;    // text fields compared without case
  int groupingLevel = 0;
};

// Splits a field list "a;b;c" (blanks around names ignored; empty items skipped).
std::vector<std::string> SplitFieldList(std::string_view names);

// One item of an ADO sort text: "f_a ASC,f_b DESC,[f c]" (ASC when omitted). Raises
// DatasetError for a malformed text; an empty text gives no items.
struct SortTextItem {
  std::string field;
  bool descending = false;
};
std::vector<SortTextItem> ParseSortText(std::string_view text);

// Sorts `rows` (storage rows) stably by the keys: ties keep their order in `rows`.
// Nulls come before every value (after every value on a descending key). Texts compare in the byte order of their code page
// 936 form (see Collation.h), which is the order of the host's datasets.
void SortRows(std::vector<std::uint32_t>& rows, const std::vector<SortKey>& keys);

// Compares two storage rows by the keys: <0, 0 or >0.
int CompareRows(std::uint32_t a, std::uint32_t b, const std::vector<SortKey>& keys);

}  // namespace data
