#include "refhost/engine/SqlRewrite.h"

#include <gtest/gtest.h>

namespace refhost {
namespace {

struct RewriteCase {
  const char* name;
  const char* sql;
  const char* expected;
};

void PrintTo(const RewriteCase& c, std::ostream* out) { *out << c.sql; }

class LeftRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(LeftRewrite, RewritesOnlyTheCall) {
  EXPECT_EQ(RewriteLeftCalls(GetParam().sql), GetParam().expected);
}

const RewriteCase kCases[] = {
    {"plain", "select left(f_Qsrq,6) from t", "select substr(f_Qsrq, 1,6) from t"},
    {"blanks_kept", "select left(x, n)", "select substr(x, 1, n)"},
    {"upper_case", "Select LEFT(F_FKSPDH,8) F_SCRQ", "Select substr(F_FKSPDH, 1,8) F_SCRQ"},
    {"mixed_case", "And Left(f_Qsrq,4) = '2005'", "And substr(f_Qsrq, 1,4) = '2005'"},
    {"blank_before_parenthesis", "left (a,1)", "substr(a, 1,1)"},
    {"nested_in_argument", "left(left(a,4),2)", "substr(substr(a, 1,4), 1,2)"},
    {"nested_in_count", "left(a,length(left(b,3)))", "substr(a, 1,length(substr(b, 1,3)))"},
    {"inside_other_call", "coalesce(left(a,1),'x')", "coalesce(substr(a, 1,1),'x')"},
    {"inside_expression", "where (left(f_gysbm,2) between '01' and '05')",
     "where (substr(f_gysbm, 1,2) between '01' and '05')"},
    {"parenthesised_argument", "left((a||b),(1+1))", "substr((a||b), 1,(1+1))"},
    {"comma_in_literal_argument", "left(',x', 1)", "substr(',x', 1, 1)"},
    {"parenthesis_in_literal_argument", "left(')', 1)", "substr(')', 1, 1)"},
    {"two_calls", "left(a,1)=left(b,1)", "substr(a, 1,1)=substr(b, 1,1)"},
    {"inside_literal", "select 'left(a,1)' from t", "select 'left(a,1)' from t"},
    {"literal_with_doubled_quote", "select 'it''s left(a,1)', left(b,2)",
     "select 'it''s left(a,1)', substr(b, 1,2)"},
    {"quoted_identifier", "select \"left(a,1)\" from t", "select \"left(a,1)\" from t"},
    {"bracketed_identifier", "select [left(a,1)] from t", "select [left(a,1)] from t"},
    {"line_comment", "select 1 -- left(a,1)\n, left(b,1)", "select 1 -- left(a,1)\n, substr(b, 1,1)"},
    {"block_comment", "/* left(a,1) */ left(b,1)", "/* left(a,1) */ substr(b, 1,1)"},
    {"left_join", "tbTdspzb ZB left join tbhsdwda sphs on x", "tbTdspzb ZB left join tbhsdwda sphs on x"},
    {"left_join_subquery", "Left Join (select 1) a", "Left Join (select 1) a"},
    {"left_outer_join", "a LEFT OUTER JOIN b", "a LEFT OUTER JOIN b"},
    {"longer_name_before", "select f_left(a,1), xleft(b,2)", "select f_left(a,1), xleft(b,2)"},
    {"longer_name_after", "select lefty(a,1), left_x(b,2)", "select lefty(a,1), left_x(b,2)"},
    {"qualified_name", "select t.left(a,1)", "select t.left(a,1)"},
    {"one_argument", "select left(a)", "select left(a)"},
    {"three_arguments", "select left(a,1,2)", "select left(a,1,2)"},
    {"unclosed", "select left(a,1", "select left(a,1"},
    {"column_named_left", "select left from t", "select left from t"},
    {"at_end", "select left", "select left"},
    {"unicode_kept", "select left(f_Csmc,2) from t where f_Csmc = '上海联华'",
     "select substr(f_Csmc, 1,2) from t where f_Csmc = '上海联华'"},
    {"nothing_to_do", "select * from tbCsda", "select * from tbCsda"},
};

INSTANTIATE_TEST_SUITE_P(Cases, LeftRewrite, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace refhost
