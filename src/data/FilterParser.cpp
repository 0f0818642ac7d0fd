// The filter text parser: a tokenizer and a recursive-descent parser over the grammar
// in Filter.h. Chains of AND and OR are read in loops, so a conjunction of a hundred
// thousand terms parses in linear time and constant stack depth; nesting by
// parentheses and NOT is bounded.
#include <charconv>
#include <cmath>

#include "data/Collation.h"
#include "data/DisplayFormat.h"
#include "data/Filter.h"

namespace data {

FilterError::FilterError(const std::string& message, std::size_t position)
    : std::runtime_error(position ? message + " at position " + std::to_string(position) : message),
      position_(position) {}

std::string QuoteFilterText(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') quoted += '\'';
    quoted += c;
  }
  quoted += '\'';
  return quoted;
}

namespace {

constexpr int kMaxDepth = 200;

enum class Token {
  End, Name, Text, Number, Date, LeftParen, RightParen, Comma,
  Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
  And, Or, Not, Like, In, Is, Null, Between, True, False,
};

bool IsNameStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool IsNameChar(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Keyword {
  std::string_view word;
  Token token;
};
constexpr Keyword kKeywords[] = {
    {"AND", Token::And},   {"OR", Token::Or},           {"NOT", Token::Not},   {"LIKE", Token::Like},
    {"IN", Token::In},     {"IS", Token::Is},           {"NULL", Token::Null}, {"BETWEEN", Token::Between},
    {"TRUE", Token::True}, {"FALSE", Token::False},
};

bool IsKeyword(std::string_view word) {
  for (const Keyword& keyword : kKeywords)
    if (EqualsIgnoreCase(word, keyword.word)) return true;
  return false;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) { Advance(); }

  FilterNode ParseAll() {
    if (token_ == Token::End) return FilterNode{FilterNode::Kind::And, {}, {}};
    FilterNode node = ParseOr();
    if (token_ == Token::RightParen) Fail("Unexpected ')'", tokenStart_);
    if (token_ != Token::End) Fail("Expected AND, OR or the end of the filter, found " + Describe(), tokenStart_);
    return node;
  }

 private:
  // ---- Tokens ----
  [[noreturn]] void Fail(const std::string& message, std::size_t offset) const {
    throw FilterError(message, PositionOf(offset));
  }

  // Positions count characters from 1, not bytes. Offsets mostly grow as the parser
  // reads on, so the count continues from the last one asked for.
  std::size_t PositionOf(std::size_t offset) const {
    if (offset < countedOffset_) countedOffset_ = 0, countedChars_ = 0;
    for (; countedOffset_ < offset && countedOffset_ < text_.size(); ++countedOffset_)
      if ((static_cast<unsigned char>(text_[countedOffset_]) & 0xC0) != 0x80) ++countedChars_;
    return countedChars_ + 1;
  }

  std::string Describe() const {
    switch (token_) {
      case Token::End: return "the end of the filter";
      case Token::Text: return std::string("text ") + QuoteFilterText(value_);
      case Token::Name: return "'" + value_ + "'";
      default: return std::string("'").append(text_.substr(tokenStart_, pos_ - tokenStart_)) + "'";
    }
  }

  void SkipBlanksAndComments() {
    while (pos_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[pos_]);
      if (c <= ' ') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
        const std::size_t end = text_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) Fail("Unterminated comment", pos_);
        pos_ = end + 2;
      } else {
        break;
      }
    }
  }

  void Advance() {
    SkipBlanksAndComments();
    tokenStart_ = pos_;
    value_.clear();
    if (pos_ >= text_.size()) {
      token_ = Token::End;
      return;
    }
    const char c = text_[pos_];
    const auto two = [&](char next) { return pos_ + 1 < text_.size() && text_[pos_ + 1] == next; };
    switch (c) {
      case '(': token_ = Token::LeftParen, ++pos_; return;
      case ')': token_ = Token::RightParen, ++pos_; return;
      case ',': token_ = Token::Comma, ++pos_; return;
      case '=': token_ = Token::Equal, ++pos_; return;
      case '<':
        if (two('>')) token_ = Token::NotEqual, pos_ += 2;
        else if (two('=')) token_ = Token::LessEqual, pos_ += 2;
        else token_ = Token::Less, ++pos_;
        return;
      case '>':
        if (two('=')) token_ = Token::GreaterEqual, pos_ += 2;
        else token_ = Token::Greater, ++pos_;
        return;
      case '!':
        if (two('=')) {
          token_ = Token::NotEqual, pos_ += 2;
          return;
        }
        break;
      case '\'': ReadText(); return;
      case '[': {
        const std::size_t close = text_.find(']', pos_ + 1);
        if (close == std::string_view::npos) Fail("Missing ']' after the field name", pos_);
        value_ = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
        if (value_.empty()) Fail("Empty field name '[]'", pos_);
        pos_ = close + 1;
        token_ = Token::Name;
        return;
      }
      case '#': {
        const std::size_t close = text_.find('#', pos_ + 1);
        if (close == std::string_view::npos) Fail("Missing '#' after the date", pos_);
        value_ = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
        if (!ParseDateTimeText(value_, number_)) Fail("'" + value_ + "' is not a date", pos_);
        pos_ = close + 1;
        token_ = Token::Date;
        return;
      }
      case '"': Fail("Double quotes are not accepted; put texts between single quotes", pos_);
      default: break;
    }
    if (IsDigit(c) || ((c == '-' || c == '.') && pos_ + 1 < text_.size() &&
                       (IsDigit(text_[pos_ + 1]) || (text_[pos_ + 1] == '.' && c == '-')))) {
      ReadNumber();
      return;
    }
    if (IsNameStart(static_cast<unsigned char>(c))) {
      std::size_t end = pos_;
      while (end < text_.size() && IsNameChar(static_cast<unsigned char>(text_[end]))) ++end;
      value_ = std::string(text_.substr(pos_, end - pos_));
      pos_ = end;
      token_ = Token::Name;
      for (const Keyword& keyword : kKeywords)
        if (EqualsIgnoreCase(value_, keyword.word)) token_ = keyword.token;
      return;
    }
    std::string shown(1, c);
    if (static_cast<unsigned char>(c) < ' ') shown = "\\x" + std::to_string(static_cast<unsigned char>(c));
    Fail("Unexpected character '" + shown + "'", pos_);
  }

  void ReadText() {
    const std::size_t start = pos_;
    ++pos_;
    while (true) {
      const std::size_t quote = text_.find('\'', pos_);
      if (quote == std::string_view::npos) Fail("Unterminated text (missing closing quote)", start);
      value_.append(text_.substr(pos_, quote - pos_));
      pos_ = quote + 1;
      if (pos_ < text_.size() && text_[pos_] == '\'') {
        value_ += '\'';
        ++pos_;
        continue;
      }
      break;
    }
    token_ = Token::Text;
  }

  void ReadNumber() {
    const std::size_t start = pos_;
    std::size_t end = pos_;
    if (text_[end] == '-') ++end;
    while (end < text_.size() && IsDigit(text_[end])) ++end;
    if (end < text_.size() && text_[end] == '.') {
      ++end;
      while (end < text_.size() && IsDigit(text_[end])) ++end;
    }
    if (end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
      std::size_t exponent = end + 1;
      if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) ++exponent;
      if (exponent < text_.size() && IsDigit(text_[exponent])) {
        end = exponent;
        while (end < text_.size() && IsDigit(text_[end])) ++end;
      }
    }
    if (end < text_.size() && IsNameStart(static_cast<unsigned char>(text_[end])))
      Fail("Malformed number '" + std::string(text_.substr(start, end - start + 1)) + "'", start);
    value_ = std::string(text_.substr(start, end - start));
    const auto [stop, error] = std::from_chars(value_.data(), value_.data() + value_.size(), number_);
    if (error != std::errc() || stop != value_.data() + value_.size() || !std::isfinite(number_))
      Fail("Malformed number '" + value_ + "'", start);
    pos_ = end;
    token_ = Token::Number;
  }

  // ---- Grammar ----
  struct DepthGuard {
    Parser& parser;
    explicit DepthGuard(Parser& p) : parser(p) {
      if (++parser.depth_ > kMaxDepth) parser.Fail("Filter nested too deeply", parser.tokenStart_);
    }
    ~DepthGuard() { --parser.depth_; }
  };

  FilterNode ParseOr() {
    FilterNode first = ParseAnd();
    if (token_ != Token::Or) return first;
    FilterNode node{FilterNode::Kind::Or, {}, {}};
    node.children.push_back(std::move(first));
    while (token_ == Token::Or) {
      Advance();
      node.children.push_back(ParseAnd());
    }
    return node;
  }

  FilterNode ParseAnd() {
    FilterNode first = ParseNot();
    if (token_ != Token::And) return first;
    FilterNode node{FilterNode::Kind::And, {}, {}};
    node.children.push_back(std::move(first));
    while (token_ == Token::And) {
      Advance();
      node.children.push_back(ParseNot());
    }
    return node;
  }

  FilterNode ParseNot() {
    DepthGuard guard(*this);
    if (token_ == Token::Not) {
      Advance();
      FilterNode node{FilterNode::Kind::Not, {}, {}};
      node.children.push_back(ParseNot());
      return node;
    }
    return ParsePredicate();
  }

  FilterNode ParsePredicate() {
    if (token_ == Token::LeftParen) {
      const std::size_t open = tokenStart_;
      Advance();
      if (token_ == Token::RightParen) Fail("Empty parentheses", open);
      FilterNode inner = ParseOr();
      if (token_ != Token::RightParen) Fail("Missing ')' to close the '(' at position " + std::to_string(PositionOf(open)) + ", found " + Describe(), tokenStart_);
      Advance();
      return inner;
    }
    FilterOperand left = ParseOperand("a field or a value");
    using Kind = FilterNode::Kind;
    const auto compare = [&](Kind kind) {
      Advance();
      FilterOperand right = ParseOperand("a value");
      // = NULL and <> NULL are the blank tests.
      if ((kind == Kind::Equal || kind == Kind::NotEqual) &&
          (right.kind == FilterOperand::Kind::Null || left.kind == FilterOperand::Kind::Null)) {
        FilterNode test{Kind::IsNull, {}, {right.kind == FilterOperand::Kind::Null ? left : right}};
        if (kind == Kind::Equal) return test;
        FilterNode negation{Kind::Not, {}, {}};
        negation.children.push_back(std::move(test));
        return negation;
      }
      return FilterNode{kind, {}, {std::move(left), std::move(right)}};
    };
    switch (token_) {
      case Token::Equal: return compare(Kind::Equal);
      case Token::NotEqual: return compare(Kind::NotEqual);
      case Token::Less: return compare(Kind::Less);
      case Token::Greater: return compare(Kind::Greater);
      case Token::LessEqual: return compare(Kind::LessEqual);
      case Token::GreaterEqual: return compare(Kind::GreaterEqual);
      case Token::Is: {
        Advance();
        bool negate = false;
        if (token_ == Token::Not) negate = true, Advance();
        if (token_ != Token::Null) Fail("Expected NULL after IS, found " + Describe(), tokenStart_);
        Advance();
        FilterNode test{Kind::IsNull, {}, {std::move(left)}};
        return negate ? Negate(std::move(test)) : test;
      }
      case Token::Not: {
        Advance();
        if (token_ != Token::Like && token_ != Token::In && token_ != Token::Between)
          Fail("Expected LIKE, IN or BETWEEN after NOT, found " + Describe(), tokenStart_);
        return Negate(ParseSuffix(std::move(left)));
      }
      case Token::Like:
      case Token::In:
      case Token::Between: return ParseSuffix(std::move(left));
      default: break;
    }
    // A lone operand: a Boolean field (or constant) tested as <> False.
    if (left.kind == FilterOperand::Kind::Field || left.kind == FilterOperand::Kind::Boolean) {
      FilterOperand falseValue;
      falseValue.kind = FilterOperand::Kind::Boolean;
      falseValue.text = "FALSE";
      falseValue.position = left.position;
      return FilterNode{Kind::NotEqual, {}, {std::move(left), std::move(falseValue)}};
    }
    Fail("Expected a comparison after " + OperandText(left) + ", found " + Describe(), tokenStart_);
  }

  static std::string OperandText(const FilterOperand& operand) {
    return operand.kind == FilterOperand::Kind::Text ? QuoteFilterText(operand.text) : operand.text;
  }

  static FilterNode Negate(FilterNode node) {
    FilterNode negation{FilterNode::Kind::Not, {}, {}};
    negation.children.push_back(std::move(node));
    return negation;
  }

  FilterNode ParseSuffix(FilterOperand left) {
    using Kind = FilterNode::Kind;
    if (token_ == Token::Like) {
      Advance();
      FilterOperand pattern = ParseOperand("a pattern");
      return FilterNode{Kind::Like, {}, {std::move(left), std::move(pattern)}};
    }
    if (token_ == Token::Between) {
      Advance();
      FilterOperand low = ParseOperand("a value");
      if (token_ != Token::And) Fail("Expected AND in BETWEEN, found " + Describe(), tokenStart_);
      Advance();
      FilterOperand high = ParseOperand("a value");
      return FilterNode{Kind::Between, {}, {std::move(left), std::move(low), std::move(high)}};
    }
    Advance();  // IN
    if (token_ != Token::LeftParen) Fail("Expected '(' after IN, found " + Describe(), tokenStart_);
    Advance();
    FilterNode node{Kind::In, {}, {std::move(left)}};
    while (true) {
      node.operands.push_back(ParseOperand("a value"));
      if (token_ == Token::Comma) {
        Advance();
        continue;
      }
      if (token_ != Token::RightParen) Fail("Expected ',' or ')' in the IN list, found " + Describe(), tokenStart_);
      Advance();
      return node;
    }
  }

  FilterOperand ParseOperand(const char* what) {
    FilterOperand operand;
    operand.position = PositionOf(tokenStart_);
    switch (token_) {
      case Token::Name:
        if (pos_ < text_.size() && text_[pos_] == '(' && text_[tokenStart_] != '[')
          Fail("Functions are not supported: " + value_, tokenStart_);
        operand.kind = FilterOperand::Kind::Field;
        operand.text = value_;
        break;
      case Token::Text: operand.kind = FilterOperand::Kind::Text, operand.text = value_; break;
      case Token::Number:
        operand.kind = FilterOperand::Kind::Number, operand.text = value_, operand.number = number_;
        break;
      case Token::Date:
        operand.kind = FilterOperand::Kind::Date, operand.text = value_, operand.number = number_;
        break;
      case Token::True: operand.kind = FilterOperand::Kind::Boolean, operand.text = "TRUE", operand.boolean = true; break;
      case Token::False: operand.kind = FilterOperand::Kind::Boolean, operand.text = "FALSE"; break;
      case Token::Null: operand.kind = FilterOperand::Kind::Null, operand.text = "NULL"; break;
      default: Fail(std::string("Expected ") + what + ", found " + Describe(), tokenStart_);
    }
    Advance();
    return operand;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t tokenStart_ = 0;
  Token token_ = Token::End;
  std::string value_;
  double number_ = 0;
  int depth_ = 0;
  mutable std::size_t countedOffset_ = 0;
  mutable std::size_t countedChars_ = 0;
};

std::string OperandToText(const FilterOperand& operand) {
  switch (operand.kind) {
    case FilterOperand::Kind::Field: {
      bool plain = !operand.text.empty() && IsNameStart(static_cast<unsigned char>(operand.text[0])) &&
                   !IsKeyword(operand.text);
      for (const char c : operand.text) plain = plain && IsNameChar(static_cast<unsigned char>(c));
      return plain ? operand.text : "[" + operand.text + "]";
    }
    case FilterOperand::Kind::Text: return QuoteFilterText(operand.text);
    case FilterOperand::Kind::Date: return "#" + operand.text + "#";
    default: return operand.text;
  }
}

}  // namespace

// Both dialects share one syntax; they differ in how LIKE patterns and partial
// compares are read, which FilterProgram decides.
FilterNode ParseFilter(std::string_view text, FilterDialect) { return Parser(text).ParseAll(); }

std::string FilterNode::ToText() const {
  using K = Kind;
  static const char* const ops[] = {"", "", "", " = ", " <> ", " < ", " > ", " <= ", " >= "};
  switch (kind) {
    case K::Or:
    case K::And: {
      if (children.empty()) return {};
      std::string text = "(";
      for (std::size_t i = 0; i < children.size(); ++i) {
        if (i) text += kind == K::Or ? " OR " : " AND ";
        text += children[i].ToText();
      }
      return text + ")";
    }
    case K::Not: return std::string("NOT ") + children[0].ToText();
    case K::Equal:
    case K::NotEqual:
    case K::Less:
    case K::Greater:
    case K::LessEqual:
    case K::GreaterEqual:
      return std::string("(") + OperandToText(operands[0]) + ops[static_cast<int>(kind)] + OperandToText(operands[1]) + ")";
    case K::Like: return std::string("(") + OperandToText(operands[0]) + " LIKE " + OperandToText(operands[1]) + ")";
    case K::In: {
      std::string text = std::string("(") + OperandToText(operands[0]) + " IN (";
      for (std::size_t i = 1; i < operands.size(); ++i) {
        if (i > 1) text += ", ";
        text += OperandToText(operands[i]);
      }
      return text + "))";
    }
    case K::Between:
      return std::string("(") + OperandToText(operands[0]) + " BETWEEN " + OperandToText(operands[1]) + " AND " +
             OperandToText(operands[2]) + ")";
    case K::IsNull: return std::string("(") + OperandToText(operands[0]) + " IS NULL)";
  }
  return {};
}

}  // namespace data
