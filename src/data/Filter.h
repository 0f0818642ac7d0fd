#pragma once
// Filter expressions of datasets: the text syntax that both the client dataset and
// the ADO dataset accept as the screens write it. Parsed once into a syntax tree,
// bound to a dataset's fields, then evaluated record by record.
//
//   expr      := or
//   or        := and { OR and }
//   and       := not { AND not }
//   not       := NOT not | predicate
//   predicate := '(' expr ')'
//              | operand [ compare-op operand
//                        | [NOT] LIKE operand
//                        | [NOT] IN '(' operand { ',' operand } ')'
//                        | [NOT] BETWEEN operand AND operand
//                        | IS [NOT] NULL ]
//   operand   := field | [field name] | 'text' (quote doubled inside) | number
//              | TRUE | FALSE | NULL | #date#
//
// Keywords are case-insensitive. A field alone must be Boolean (it means field <> False).
// Both dialects give AND precedence over OR (ADO documents equal precedence and
// refuses some mixtures; the screens' filters read the same either way). A null
// text compares as "" (the platform keeps blank texts as null); a null number, date
// or Boolean fails every comparison and is found by IS NULL.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace data {

class Dataset;

// Which platform's rules a filter follows where they differ: LIKE's wildcards ('%'
// and '*' in both; '_' one character only for the client dataset) and the partial
// compare of the client dataset (= 'abc*' means "starts with abc").
enum class FilterDialect { ClientDataSet, Ado };

struct FilterOptions {
  bool caseInsensitive = false;   // texts compared without regard to ASCII letter case
  bool noPartialCompare = false;  // a trailing '*' in = 'text*' is a plain character
};

// A filter text that does not parse or does not fit the dataset's fields. The
// message names the problem and the position (1-based character) where it is.
class FilterError : public std::runtime_error {
 public:
  FilterError(const std::string& message, std::size_t position);
  std::size_t Position() const { return position_; }  // 0 when not tied to a place

 private:
  std::size_t position_;
};

// One operand of a comparison.
struct FilterOperand {
  enum class Kind { Field, Text, Number, Boolean, Null, Date };
  Kind kind = Kind::Null;
  std::string text;    // field name, text value, or the number/date as written
  double number = 0;   // Number: its value; Date: days since 1899-12-30
  bool boolean = false;
  std::size_t position = 0;  // where it starts in the filter text (1-based)
};

// A node of the syntax tree.
struct FilterNode {
  enum class Kind {
    Or, And, Not,                     // children
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,  // operands[0] op operands[1]
    Like,                             // operands[0] LIKE operands[1]
    In,                               // operands[0] IN (operands[1..])
    Between,                          // operands[0] BETWEEN operands[1] AND operands[2]
    IsNull,                           // operands[0] IS NULL
  };
  Kind kind = Kind::And;
  std::vector<FilterNode> children;
  std::vector<FilterOperand> operands;

  // Canonical text, fully parenthesised: parsing it again gives the same tree.
  std::string ToText() const;
};

// Parses a filter text. Raises FilterError. A blank text gives an And node without
// children (every record passes).
FilterNode ParseFilter(std::string_view text, FilterDialect dialect = FilterDialect::ClientDataSet);

// A filter bound to the fields of one dataset, ready to test records. Built from a
// tree, it resolves field names, converts literals to the field types (FilterError
// for an unknown field or a literal that does not fit) and turns a long conjunction
// of field <> 'value' on one field (or a disjunction of field = 'value', or IN) into
// one hash-set test.
class FilterProgram {
 public:
  FilterProgram(const FilterNode& tree, const Dataset& dataset, FilterDialect dialect,
                const FilterOptions& options);
  ~FilterProgram();
  FilterProgram(FilterProgram&&) noexcept;
  FilterProgram& operator=(FilterProgram&&) noexcept;

  // Whether the storage row passes.
  bool Matches(std::uint32_t row) const;
  // Appends to `out` the rows of `rows` that pass, in order.
  void Select(std::span<const std::uint32_t> rows, std::vector<std::uint32_t>& out) const;
  // The number of set tests the program uses (for tests of the optimisation).
  std::size_t SetTestCount() const;

  class Node;

 private:
  std::unique_ptr<Node> root_;
  std::size_t setTests_ = 0;
};

// Text with every single quote doubled and wrapped in single quotes: the way to put
// any value into a filter text ('O''Malley').
std::string QuoteFilterText(std::string_view text);

}  // namespace data
