// Binding a filter tree to a dataset's fields and evaluating it per record. Every
// node is specialised when bound (text or number column, constant operand), so a
// record costs a few direct column reads. Long runs of field <> 'x' (AND) or
// field = 'x' (OR) on one field, and IN lists, become one hash-set lookup.
#include <cmath>
#include <map>
#include <unordered_set>

#include "data/Collation.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"
#include "data/Filter.h"

namespace data {

class FilterProgram::Node {
 public:
  virtual ~Node() = default;
  virtual bool Eval(std::uint32_t row) const = 0;
  // 1 or 0 for a node known when bound, -1 otherwise.
  virtual int Constant() const { return -1; }
};

namespace {

using Node = FilterProgram::Node;
using NodePtr = std::unique_ptr<Node>;
using Kind = FilterNode::Kind;

constexpr std::size_t kSetThreshold = 4;

enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

Op OpOf(Kind kind) {
  switch (kind) {
    case Kind::NotEqual: return Op::NotEqual;
    case Kind::Less: return Op::Less;
    case Kind::Greater: return Op::Greater;
    case Kind::LessEqual: return Op::LessEqual;
    case Kind::GreaterEqual: return Op::GreaterEqual;
    default: return Op::Equal;
  }
}

Op Mirror(Op op) {
  switch (op) {
    case Op::Less: return Op::Greater;
    case Op::Greater: return Op::Less;
    case Op::LessEqual: return Op::GreaterEqual;
    case Op::GreaterEqual: return Op::LessEqual;
    default: return op;
  }
}

bool Holds(Op op, int comparison) {
  switch (op) {
    case Op::Equal: return comparison == 0;
    case Op::NotEqual: return comparison != 0;
    case Op::Less: return comparison < 0;
    case Op::Greater: return comparison > 0;
    case Op::LessEqual: return comparison <= 0;
    case Op::GreaterEqual: return comparison >= 0;
  }
  return false;
}

int Compare(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

// ---- Nodes ---------------------------------------------------------------------

class ConstNode final : public Node {
 public:
  explicit ConstNode(bool value) : value_(value) {}
  bool Eval(std::uint32_t) const override { return value_; }
  int Constant() const override { return value_ ? 1 : 0; }

 private:
  bool value_;
};

class AndNode final : public Node {
 public:
  explicit AndNode(std::vector<NodePtr> children) : children_(std::move(children)) {}
  bool Eval(std::uint32_t row) const override {
    for (const NodePtr& child : children_)
      if (!child->Eval(row)) return false;
    return true;
  }

 private:
  std::vector<NodePtr> children_;
};

class OrNode final : public Node {
 public:
  explicit OrNode(std::vector<NodePtr> children) : children_(std::move(children)) {}
  bool Eval(std::uint32_t row) const override {
    for (const NodePtr& child : children_)
      if (child->Eval(row)) return true;
    return false;
  }

 private:
  std::vector<NodePtr> children_;
};

class NotNode final : public Node {
 public:
  explicit NotNode(NodePtr child) : child_(std::move(child)) {}
  bool Eval(std::uint32_t row) const override { return !child_->Eval(row); }

 private:
  NodePtr child_;
};

class IsNullNode final : public Node {
 public:
  explicit IsNullNode(const Field* field) : field_(field) {}
  bool Eval(std::uint32_t row) const override { return field_->IsNullAt(row); }

 private:
  const Field* field_;
};

// A text field against a text. A null text reads as "".
class TextCompareNode final : public Node {
 public:
  TextCompareNode(const Field* field, Op op, std::string value, bool caseInsensitive)
      : field_(field), op_(op), value_(std::move(value)), caseInsensitive_(caseInsensitive) {}
  bool Eval(std::uint32_t row) const override {
    const std::string_view text = field_->TextAt(row);
    if (op_ == Op::Equal || op_ == Op::NotEqual) {
      const bool equal = caseInsensitive_ ? EqualsIgnoreCase(text, value_) : text == value_;
      return equal == (op_ == Op::Equal);
    }
    return Holds(op_, CompareAnsi(text, value_, caseInsensitive_));
  }

 private:
  const Field* field_;
  Op op_;
  std::string value_;
  bool caseInsensitive_;
};

// The client dataset's partial compare: = 'abc*' means "starts with abc".
class TextPrefixNode final : public Node {
 public:
  TextPrefixNode(const Field* field, std::string prefix, bool caseInsensitive)
      : field_(field), prefix_(std::move(prefix)), caseInsensitive_(caseInsensitive) {}
  bool Eval(std::uint32_t row) const override {
    const std::string_view text = field_->TextAt(row);
    if (text.size() < prefix_.size()) return false;
    const std::string_view head = text.substr(0, prefix_.size());
    return caseInsensitive_ ? EqualsIgnoreCase(head, prefix_) : head == prefix_;
  }

 private:
  const Field* field_;
  std::string prefix_;
  bool caseInsensitive_;
};

// Reads a non-text field as a number: integers, Booleans as 1/0, floats and dates.
double NumberAt(const Field& field, std::uint32_t row) {
  switch (field.DataType()) {
    case FieldType::Integer: return field.IntegerAt(row);
    case FieldType::Boolean: return field.BooleanAt(row) ? 1 : 0;
    default: return field.FloatAt(row);
  }
}

// A number field against a number. A null number has no value: every comparison
// with it fails (IS NULL finds it). Texts differ: a null text reads as "", since
// the platform stores a blank text as null.
class NumberCompareNode final : public Node {
 public:
  NumberCompareNode(const Field* field, Op op, double value) : field_(field), op_(op), value_(value) {}
  bool Eval(std::uint32_t row) const override {
    if (field_->IsNullAt(row)) return false;
    return Holds(op_, Compare(NumberAt(*field_, row), value_));
  }

 private:
  const Field* field_;
  Op op_;
  double value_;
};

class FieldCompareNode final : public Node {
 public:
  FieldCompareNode(const Field* left, Op op, const Field* right, bool caseInsensitive)
      : left_(left), op_(op), right_(right), caseInsensitive_(caseInsensitive) {}
  bool Eval(std::uint32_t row) const override {
    if (left_->IsText()) return Holds(op_, CompareAnsi(left_->TextAt(row), right_->TextAt(row), caseInsensitive_));
    if (left_->IsNullAt(row) || right_->IsNullAt(row)) return false;
    return Holds(op_, Compare(NumberAt(*left_, row), NumberAt(*right_, row)));
  }

 private:
  const Field* left_;
  Op op_;
  const Field* right_;
  bool caseInsensitive_;
};

// A text field tested against a set of texts (in or not in).
class TextSetNode final : public Node {
 public:
  TextSetNode(const Field* field, std::vector<std::string> values, bool caseInsensitive, bool negate)
      : field_(field), values_(std::move(values)), caseInsensitive_(caseInsensitive), negate_(negate) {
    if (caseInsensitive_)
      for (std::string& value : values_) value = UpperAscii(value);
    set_.reserve(values_.size());
    for (const std::string& value : values_) set_.insert(value);
  }
  bool Eval(std::uint32_t row) const override {
    const std::string_view text = field_->TextAt(row);
    if (!caseInsensitive_) return set_.contains(text) != negate_;
    scratch_.assign(text);
    for (char& c : scratch_) c = Upper(c);
    return set_.contains(std::string_view(scratch_)) != negate_;
  }

 private:
  const Field* field_;
  std::vector<std::string> values_;
  std::unordered_set<std::string_view> set_;
  bool caseInsensitive_;
  bool negate_;
  mutable std::string scratch_;
};

class NumberSetNode final : public Node {
 public:
  NumberSetNode(const Field* field, const std::vector<double>& values, bool negate)
      : field_(field), negate_(negate) {
    for (double value : values) set_.insert(value == 0 ? 0.0 : value);
  }
  bool Eval(std::uint32_t row) const override {
    if (field_->IsNullAt(row)) return false;
    const double value = NumberAt(*field_, row);
    return set_.contains(value == 0 ? 0.0 : value) != negate_;
  }

 private:
  const Field* field_;
  std::unordered_set<double> set_;
  bool negate_;
};

// A LIKE pattern. '%' matches any run of characters (so does '*' for ADO), '_' one
// character (client dataset only); the common shapes 'abc', 'abc%', '%abc' and
// '%abc%' are tested without the general matcher.
class LikePattern {
 public:
  LikePattern(std::string pattern, FilterDialect dialect, bool caseInsensitive)
      : caseInsensitive_(caseInsensitive), ado_(dialect == FilterDialect::Ado) {
    if (caseInsensitive_) pattern = UpperAscii(pattern);
    pattern_ = std::move(pattern);
    std::string_view body = pattern_;
    const bool leading = !body.empty() && IsAny(body.front());
    if (leading) body.remove_prefix(1);
    const bool trailing = !body.empty() && IsAny(body.back());
    if (trailing) body.remove_suffix(1);
    bool plain = true;
    for (const char c : body) plain = plain && !IsAny(c) && !IsOne(c);
    if (plain) {
      literal_ = std::string(body);
      shape_ = leading ? (trailing ? Shape::Contains : Shape::Suffix) : (trailing ? Shape::Prefix : Shape::Exact);
    }
  }

  bool Match(std::string_view text) const {
    if (caseInsensitive_) {
      scratch_.assign(text);
      for (char& c : scratch_) c = Upper(c);
      text = scratch_;
    }
    switch (shape_) {
      case Shape::Exact: return text == literal_;
      case Shape::Prefix: return text.starts_with(literal_);
      case Shape::Suffix: return text.ends_with(literal_);
      case Shape::Contains: return text.find(literal_) != std::string_view::npos;
      case Shape::General: break;
    }
    return MatchGeneral(text);
  }

 private:
  enum class Shape { Exact, Prefix, Suffix, Contains, General };

  bool IsAny(char c) const { return c == '%' || (ado_ && c == '*'); }
  bool IsOne(char c) const { return c == '_' && !ado_; }

  static std::size_t CharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return i + length <= text.size() ? length : text.size() - i;
  }

  // Wildcard matching with one backtrack point (the last any-run): linear for the
  // usual patterns, never worse than text length times pattern length.
  bool MatchGeneral(std::string_view text) const {
    const std::string_view pattern = pattern_;
    std::size_t t = 0, p = 0;
    std::size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
      if (p < pattern.size() && IsAny(pattern[p])) {
        starP = ++p;
        starT = t;
      } else if (p < pattern.size() && IsOne(pattern[p])) {
        t += CharLength(text, t);
        ++p;
      } else if (p < pattern.size() && pattern[p] == text[t]) {
        ++p, ++t;
      } else if (starP != std::string_view::npos) {
        starT += CharLength(text, starT);
        t = starT;
        p = starP;
      } else {
        return false;
      }
    }
    while (p < pattern.size() && IsAny(pattern[p])) ++p;
    return p == pattern.size();
  }

  std::string pattern_;
  std::string literal_;
  Shape shape_ = Shape::General;
  bool caseInsensitive_;
  bool ado_;
  mutable std::string scratch_;
};

class LikeNode final : public Node {
 public:
  LikeNode(const Field* field, LikePattern pattern) : field_(field), pattern_(std::move(pattern)) {}
  bool Eval(std::uint32_t row) const override {
    if (field_->IsText()) return pattern_.Match(field_->TextAt(row));
    return pattern_.Match(field_->AsStringAt(row));
  }

 private:
  const Field* field_;
  LikePattern pattern_;
};

// ---- Binding ------------------------------------------------------------------------

class Binder {
 public:
  Binder(const Dataset& dataset, FilterDialect dialect, const FilterOptions& options)
      : dataset_(dataset), dialect_(dialect), options_(options) {}

  std::size_t setTests = 0;

  NodePtr Bind(const FilterNode& node) {
    switch (node.kind) {
      case Kind::And: return BindLogical(node, true);
      case Kind::Or: return BindLogical(node, false);
      case Kind::Not: {
        NodePtr child = Bind(node.children[0]);
        if (child->Constant() >= 0) return std::make_unique<ConstNode>(child->Constant() == 0);
        return std::make_unique<NotNode>(std::move(child));
      }
      case Kind::IsNull: {
        const FilterOperand& operand = node.operands[0];
        if (operand.kind != FilterOperand::Kind::Field)
          return std::make_unique<ConstNode>(operand.kind == FilterOperand::Kind::Null);
        return std::make_unique<IsNullNode>(Resolve(operand));
      }
      case Kind::Like: return BindLike(node);
      case Kind::In: return BindIn(node);
      case Kind::Between: {
        std::vector<NodePtr> both;
        both.push_back(BindCompare(node.operands[0], Op::GreaterEqual, node.operands[1]));
        both.push_back(BindCompare(node.operands[0], Op::LessEqual, node.operands[2]));
        return Conjunction(std::move(both));
      }
      default: return BindCompare(node.operands[0], OpOf(node.kind), node.operands[1]);
    }
  }

 private:
  const Field* Resolve(const FilterOperand& operand) const {
    const Field* field = dataset_.FindField(operand.text);
    if (!field) throw FilterError("Unknown field '" + operand.text + "'", operand.position);
    return field;
  }

  bool Partial(const FilterOperand& value, Op op) const {
    return dialect_ == FilterDialect::ClientDataSet && !options_.noPartialCompare &&
           (op == Op::Equal || op == Op::NotEqual) && value.kind == FilterOperand::Kind::Text &&
           !value.text.empty() && value.text.back() == '*';
  }

  // A constant as text for a text field.
  static std::string TextOf(const FilterOperand& value) {
    if (value.kind == FilterOperand::Kind::Boolean) return value.boolean ? "True" : "False";
    return value.text;
  }

  // A constant as a number for a non-text field.
  double NumberFor(const Field& field, const FilterOperand& value) const {
    switch (value.kind) {
      case FilterOperand::Kind::Number:
      case FilterOperand::Kind::Date: return value.number;
      case FilterOperand::Kind::Boolean: return value.boolean ? 1 : 0;
      default: break;
    }
    double number = 0;
    const FieldType type = field.DataType();
    if (type == FieldType::Date || type == FieldType::DateTime) {
      if (ParseDateTimeText(value.text, number)) return type == FieldType::Date ? std::floor(number) : number;
    } else if (type == FieldType::Boolean) {
      if (EqualsIgnoreCase(value.text, "True")) return 1;
      if (EqualsIgnoreCase(value.text, "False")) return 0;
      if (ParseNumberText(value.text, number)) return number != 0 ? 1 : 0;
    } else if (ParseNumberText(value.text, number)) {
      return number;
    }
    throw FilterError("'" + value.text + "' is not a valid " + FieldTypeName(type) + " value for field '" +
                          field.FieldName() + "'",
                      value.position);
  }

  NodePtr BindCompare(const FilterOperand& left, Op op, const FilterOperand& right) {
    const bool leftField = left.kind == FilterOperand::Kind::Field;
    const bool rightField = right.kind == FilterOperand::Kind::Field;
    if (!leftField && !rightField) return std::make_unique<ConstNode>(CompareConstants(left, op, right));
    if (!leftField) return BindCompare(right, Mirror(op), left);
    const Field* field = Resolve(left);
    if (rightField) {
      const Field* other = Resolve(right);
      if (field->IsText() != other->IsText())
        throw FilterError("Type mismatch: field '" + field->FieldName() + "' is " + FieldTypeName(field->DataType()) +
                              ", field '" + other->FieldName() + "' is " + FieldTypeName(other->DataType()),
                          right.position);
      return std::make_unique<FieldCompareNode>(field, op, other, options_.caseInsensitive);
    }
    if (right.kind == FilterOperand::Kind::Null) return std::make_unique<ConstNode>(false);
    if (field->IsText()) {
      if (Partial(right, op)) {
        NodePtr prefix = std::make_unique<TextPrefixNode>(
            field, right.text.substr(0, right.text.size() - 1), options_.caseInsensitive);
        return op == Op::Equal ? std::move(prefix) : std::make_unique<NotNode>(std::move(prefix));
      }
      return std::make_unique<TextCompareNode>(field, op, TextOf(right), options_.caseInsensitive);
    }
    return std::make_unique<NumberCompareNode>(field, op, NumberFor(*field, right));
  }

  bool CompareConstants(const FilterOperand& left, Op op, const FilterOperand& right) const {
    using K = FilterOperand::Kind;
    if (left.kind == K::Null || right.kind == K::Null) return false;
    const auto numeric = [](const FilterOperand& o, double& value) {
      if (o.kind == K::Number || o.kind == K::Date) return value = o.number, true;
      if (o.kind == K::Boolean) return value = o.boolean ? 1 : 0, true;
      return ParseNumberText(o.text, value);
    };
    double a = 0, b = 0;
    if ((left.kind != K::Text || right.kind != K::Text) && numeric(left, a) && numeric(right, b))
      return Holds(op, Compare(a, b));
    return Holds(op, CompareAnsi(TextOf(left), TextOf(right), options_.caseInsensitive));
  }

  NodePtr BindLike(const FilterNode& node) {
    const FilterOperand& subject = node.operands[0];
    const FilterOperand& pattern = node.operands[1];
    if (pattern.kind == FilterOperand::Kind::Field)
      throw FilterError("LIKE needs a text pattern, not the field '" + pattern.text + "'", pattern.position);
    if (pattern.kind == FilterOperand::Kind::Null) return std::make_unique<ConstNode>(false);
    LikePattern compiled(TextOf(pattern), dialect_, options_.caseInsensitive);
    if (subject.kind != FilterOperand::Kind::Field) {
      if (subject.kind == FilterOperand::Kind::Null) return std::make_unique<ConstNode>(false);
      return std::make_unique<ConstNode>(compiled.Match(TextOf(subject)));
    }
    return std::make_unique<LikeNode>(Resolve(subject), std::move(compiled));
  }

  NodePtr BindIn(const FilterNode& node) {
    const FilterOperand& subject = node.operands[0];
    bool allConstant = true;
    for (std::size_t i = 1; i < node.operands.size(); ++i)
      allConstant = allConstant && node.operands[i].kind != FilterOperand::Kind::Field;
    if (subject.kind != FilterOperand::Kind::Field || !allConstant) {
      std::vector<NodePtr> alternatives;
      for (std::size_t i = 1; i < node.operands.size(); ++i)
        alternatives.push_back(BindCompare(subject, Op::Equal, node.operands[i]));
      return Disjunction(std::move(alternatives));
    }
    const Field* field = Resolve(subject);
    std::vector<const FilterOperand*> values;
    for (std::size_t i = 1; i < node.operands.size(); ++i)
      if (node.operands[i].kind != FilterOperand::Kind::Null) values.push_back(&node.operands[i]);
    return MakeSet(field, values, false);
  }

  NodePtr MakeSet(const Field* field, const std::vector<const FilterOperand*>& values, bool negate) {
    ++setTests;
    if (field->IsText()) {
      std::vector<std::string> texts;
      texts.reserve(values.size());
      for (const FilterOperand* value : values) texts.push_back(TextOf(*value));
      return std::make_unique<TextSetNode>(field, std::move(texts), options_.caseInsensitive, negate);
    }
    std::vector<double> numbers;
    numbers.reserve(values.size());
    for (const FilterOperand* value : values) numbers.push_back(NumberFor(*field, *value));
    return std::make_unique<NumberSetNode>(field, numbers, negate);
  }

  // The field and constant of a comparison `field op constant` (either side) that a
  // set test can take, or nullptr.
  const Field* SetCandidate(const FilterNode& node, Kind wanted, const FilterOperand*& value) const {
    if (node.kind != wanted || node.operands.size() != 2) return nullptr;
    const FilterOperand& a = node.operands[0];
    const FilterOperand& b = node.operands[1];
    const bool aField = a.kind == FilterOperand::Kind::Field;
    const bool bField = b.kind == FilterOperand::Kind::Field;
    if (aField == bField) return nullptr;
    const FilterOperand& fieldOperand = aField ? a : b;
    value = aField ? &b : &a;
    if (value->kind == FilterOperand::Kind::Null) return nullptr;
    if (Partial(*value, OpOf(wanted))) return nullptr;
    return dataset_.FindField(fieldOperand.text);  // unknown fields are reported by Bind
  }

  // Flattens nested nodes of the same kind into `out`.
  static void Flatten(const FilterNode& node, Kind kind, std::vector<const FilterNode*>& out) {
    for (const FilterNode& child : node.children) {
      if (child.kind == kind && !child.children.empty())
        Flatten(child, kind, out);
      else
        out.push_back(&child);
    }
  }

  NodePtr BindLogical(const FilterNode& node, bool isAnd) {
    const Kind kind = isAnd ? Kind::And : Kind::Or;
    std::vector<const FilterNode*> terms;
    Flatten(node, kind, terms);
    // Group field <> constant (AND) or field = constant (OR) by field.
    const Kind groupable = isAnd ? Kind::NotEqual : Kind::Equal;
    std::vector<std::pair<const Field*, std::vector<std::size_t>>> groups;  // in order of appearance
    std::map<const Field*, std::size_t> groupOf;
    std::vector<const FilterOperand*> constants(terms.size(), nullptr);
    for (std::size_t i = 0; i < terms.size(); ++i) {
      const FilterOperand* value = nullptr;
      if (const Field* field = SetCandidate(*terms[i], groupable, value)) {
        constants[i] = value;
        const auto [place, added] = groupOf.try_emplace(field, groups.size());
        if (added) groups.emplace_back(field, std::vector<std::size_t>());
        groups[place->second].second.push_back(i);
      }
    }
    std::vector<bool> grouped(terms.size(), false);
    std::vector<NodePtr> children;
    for (const auto& [field, members] : groups) {
      if (members.size() < kSetThreshold) continue;
      std::vector<const FilterOperand*> values;
      for (std::size_t i : members) {
        values.push_back(constants[i]);
        grouped[i] = true;
      }
      children.push_back(MakeSet(field, values, isAnd));
    }
    for (std::size_t i = 0; i < terms.size(); ++i)
      if (!grouped[i]) children.push_back(Bind(*terms[i]));
    return isAnd ? Conjunction(std::move(children)) : Disjunction(std::move(children));
  }

  static NodePtr Conjunction(std::vector<NodePtr> children) {
    std::vector<NodePtr> kept;
    for (NodePtr& child : children) {
      const int constant = child->Constant();
      if (constant == 0) return std::make_unique<ConstNode>(false);
      if (constant < 0) kept.push_back(std::move(child));
    }
    if (kept.empty()) return std::make_unique<ConstNode>(true);
    if (kept.size() == 1) return std::move(kept[0]);
    return std::make_unique<AndNode>(std::move(kept));
  }

  static NodePtr Disjunction(std::vector<NodePtr> children) {
    std::vector<NodePtr> kept;
    for (NodePtr& child : children) {
      const int constant = child->Constant();
      if (constant == 1) return std::make_unique<ConstNode>(true);
      if (constant < 0) kept.push_back(std::move(child));
    }
    if (kept.empty()) return std::make_unique<ConstNode>(false);
    if (kept.size() == 1) return std::move(kept[0]);
    return std::make_unique<OrNode>(std::move(kept));
  }

  const Dataset& dataset_;
  FilterDialect dialect_;
  FilterOptions options_;
};

}  // namespace

FilterProgram::FilterProgram(const FilterNode& tree, const Dataset& dataset, FilterDialect dialect,
                             const FilterOptions& options) {
  Binder binder(dataset, dialect, options);
  root_ = binder.Bind(tree);
  setTests_ = binder.setTests;
}

FilterProgram::~FilterProgram() = default;
FilterProgram::FilterProgram(FilterProgram&&) noexcept = default;
FilterProgram& FilterProgram::operator=(FilterProgram&&) noexcept = default;

bool FilterProgram::Matches(std::uint32_t row) const { return root_->Eval(row); }

void FilterProgram::Select(std::span<const std::uint32_t> rows, std::vector<std::uint32_t>& out) const {
  const int constant = root_->Constant();
  if (constant == 0) return;
  if (constant == 1) {
    out.insert(out.end(), rows.begin(), rows.end());
    return;
  }
  const Node& root = *root_;
  for (const std::uint32_t row : rows)
    if (root.Eval(row)) out.push_back(row);
}

std::size_t FilterProgram::SetTestCount() const { return setTests_; }

}  // namespace data
