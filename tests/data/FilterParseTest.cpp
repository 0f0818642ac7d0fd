// The filter parser, as a table: each text and the canonical (fully parenthesised)
// form of the tree it gives, or the error it raises.
#include <gtest/gtest.h>

#include "data/Filter.h"

namespace {

using data::FilterDialect;
using data::FilterError;
using data::ParseFilter;

struct ParseCase {
  const char* text;
  const char* tree;
};

const ParseCase kParses[] = {
    {"", ""},
    {"   ", ""},
    {"f_a = 'x'", "(f_a = 'x')"},
    {"f_a='x'", "(f_a = 'x')"},
    {"F_A <> 'x'", "(F_A <> 'x')"},
    {"f_n > 100", "(f_n > 100)"},
    {"f_n >= -1.5", "(f_n >= -1.5)"},
    {"f_n < 1e3", "(f_n < 1e3)"},
    {"f_n <= .5", "(f_n <= .5)"},
    {"f_n != 2", "(f_n <> 2)"},
    // Quotes inside texts are doubled.
    {"f_a = 'O''Malley'", "(f_a = 'O''Malley')"},
    {"f_a = ''''", "(f_a = '''')"},
    {"f_a = ''", "(f_a = '')"},
    {"f_a = 'a and b or c'", "(f_a = 'a and b or c')"},
    // AND binds tighter than OR; parentheses override.
    {"a = 1 or b = 2 and c = 3", "((a = 1) OR ((b = 2) AND (c = 3)))"},
    {"a = 1 and b = 2 or c = 3", "(((a = 1) AND (b = 2)) OR (c = 3))"},
    {"(a = 1 or b = 2) and c = 3", "(((a = 1) OR (b = 2)) AND (c = 3))"},
    {"a = 1 AND b = 2 AND c = 3", "((a = 1) AND (b = 2) AND (c = 3))"},
    {"((a = 1))", "(a = 1)"},
    {"not a = 1 and b = 2", "(NOT (a = 1) AND (b = 2))"},
    {"not (a = 1 and b = 2)", "NOT ((a = 1) AND (b = 2))"},
    // Keywords in any case.
    {"a = 1 And b = 2 Or c = 3", "(((a = 1) AND (b = 2)) OR (c = 3))"},
    // LIKE, IN, BETWEEN, IS NULL and their negations.
    {"f_a LIKE '%超市%'", "(f_a LIKE '%超市%')"},
    {"f_a NOT LIKE 'a%'", "NOT (f_a LIKE 'a%')"},
    {"f_a in ('x', 'y','z')", "(f_a IN ('x', 'y', 'z'))"},
    {"f_a not in (1)", "NOT (f_a IN (1))"},
    {"c Between '100' And '200'", "(c BETWEEN '100' AND '200')"},
    {"( 1=1  And c Between '100' And '200' )", "((1 = 1) AND (c BETWEEN '100' AND '200'))"},
    {"f_a is null", "(f_a IS NULL)"},
    {"f_a IS NOT NULL", "NOT (f_a IS NULL)"},
    {"f_a = null", "(f_a IS NULL)"},
    {"f_a <> NULL", "NOT (f_a IS NULL)"},
    // Names: bracketed, dotted, Chinese.
    {"[f a] = 1", "([f a] = 1)"},
    {"[and] = 1", "([and] = 1)"},
    {"a.f_Gysbm = '1001'", "(a.f_Gysbm = '1001')"},
    {"金额 > 0", "(金额 > 0)"},
    // A Boolean field alone means field <> False.
    {"f_flag", "(f_flag <> FALSE)"},
    {"not f_flag", "NOT (f_flag <> FALSE)"},
    {"f_flag = true", "(f_flag = TRUE)"},
    // Dates in #...#, comments.
    {"d >= #2005-01-31#", "(d >= #2005-01-31#)"},
    {"/* from the grid */ a = 1", "(a = 1)"},
    // The text the grid builds for a "does not contain" condition.
    {"( f<>'temp@temp@temp' ) and (f<>'A1' and f<>'BA')",
     "((f <> 'temp@temp@temp') AND ((f <> 'A1') AND (f <> 'BA')))"},
    // The detail filter of the import screen, with its trailing blank.
    {"f_Hsdwh = '01' And f_Gysbm = '1001' ", "((f_Hsdwh = '01') AND (f_Gysbm = '1001'))"},
};

TEST(FilterParse, CanonicalTrees) {
  for (const ParseCase& c : kParses) {
    SCOPED_TRACE(c.text);
    const data::FilterNode tree = ParseFilter(c.text);
    EXPECT_EQ(tree.ToText(), c.tree);
    // The canonical text parses to the same tree.
    EXPECT_EQ(ParseFilter(tree.ToText()).ToText(), c.tree);
  }
}

TEST(FilterParse, TextValuesKeepTheirQuotes) {
  const data::FilterNode tree = ParseFilter("f_a = 'it''s'");
  ASSERT_EQ(tree.operands.size(), 2u);
  EXPECT_EQ(tree.operands[1].text, "it's");
  EXPECT_EQ(data::QuoteFilterText("it's"), "'it''s'");
}

struct ErrorCase {
  const char* text;
  const char* message;  // expected start of the error message
};

const ErrorCase kErrors[] = {
    {"f_a = 'abc", "Unterminated text (missing closing quote) at position 7"},
    {"f_a = \"abc\"", "Double quotes are not accepted; put texts between single quotes at position 7"},
    {"f_a =", "Expected a value, found the end of the filter at position 6"},
    {"(f_a = 1", "Missing ')' to close the '(' at position 1, found the end of the filter at position 9"},
    {"f_a = 1)", "Unexpected ')' at position 8"},
    {"f_a = 1 f_b = 2", "Expected AND, OR or the end of the filter, found 'f_b' at position 9"},
    {"f_a = 1 and", "Expected a field or a value, found the end of the filter at position 12"},
    {"and f_a = 1", "Expected a field or a value, found 'and' at position 1"},
    {"'x'", "Expected a comparison after 'x', found the end of the filter at position 4"},
    {"12", "Expected a comparison after 12, found the end of the filter at position 3"},
    {"f_a is 1", "Expected NULL after IS, found '1' at position 8"},
    {"f_a not = 1", "Expected LIKE, IN or BETWEEN after NOT, found '=' at position 9"},
    {"f_a in 1", "Expected '(' after IN, found '1' at position 8"},
    {"f_a in (1 2)", "Expected ',' or ')' in the IN list, found '2' at position 11"},
    {"f between 1 or 2", "Expected AND in BETWEEN, found 'or' at position 13"},
    {"Upper(f_a) = 'X'", "Functions are not supported: Upper at position 1"},
    {"f_a = 12abc", "Malformed number '12a' at position 7"},
    {"[f_a = 1", "Missing ']' after the field name at position 1"},
    {"[] = 1", "Empty field name '[]' at position 1"},
    {"f_a = #2005-13-01#", "'2005-13-01' is not a date at position 7"},
    {"f_a = 1 ; drop", "Unexpected character ';' at position 9"},
    {"()", "Empty parentheses at position 1"},
    {"/* open", "Unterminated comment at position 1"},
    {"中文 = 'x' and 金额 ? 1", "Unexpected character '?' at position 17"},
};

TEST(FilterParse, ErrorsSayWhatAndWhere) {
  for (const ErrorCase& c : kErrors) {
    SCOPED_TRACE(c.text);
    try {
      ParseFilter(c.text);
      ADD_FAILURE() << "no error";
    } catch (const FilterError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

TEST(FilterParse, DeepNestingIsAnErrorNotACrash) {
  std::string text(100000, '(');
  EXPECT_THROW(ParseFilter(text), FilterError);
  std::string nots;
  for (int i = 0; i < 100000; ++i) nots += "not ";
  EXPECT_THROW(ParseFilter(nots + "f"), FilterError);
}

TEST(FilterParse, LongConjunctionsParseFlat) {
  std::string text = "( f<>'temp@temp@temp' ) and (";
  for (int i = 0; i < 100000; ++i) text += (i ? " and f<>'v" : "f<>'v") + std::to_string(i) + "'";
  text += ")";
  const data::FilterNode tree = ParseFilter(text);
  ASSERT_EQ(tree.kind, data::FilterNode::Kind::And);
  ASSERT_EQ(tree.children.size(), 2u);
  EXPECT_EQ(tree.children[1].children.size(), 100000u);
}

}  // namespace
