#pragma once
// grid::ExpressionRow: one row of the query builder's expression list, as the grid
// keeps the rows of the last accepted dialog. The list alternates condition rows and
// relation rows, starting with a condition row.
#include <string>
#include <vector>

namespace grid {

struct ExpressionRow {
  std::string caption;          // a condition's field display name
  std::string operatorCaption;  // a condition's operator, "等于"
  std::string value;            // a condition's value as typed
  std::string relation;         // a relation row's "并且" or "或者"; empty on a condition
  // A row is a relation row exactly when it carries a relation.
  bool IsRelation() const { return !relation.empty(); }
  friend bool operator==(const ExpressionRow&, const ExpressionRow&) = default;
};

using ExpressionRows = std::vector<ExpressionRow>;

// A condition row.
inline ExpressionRow Condition(std::string caption, std::string op, std::string value) {
  return {std::move(caption), std::move(op), std::move(value), {}};
}
// A relation row.
inline ExpressionRow Relation(std::string relation) { return {{}, {}, {}, std::move(relation)}; }

}  // namespace grid
