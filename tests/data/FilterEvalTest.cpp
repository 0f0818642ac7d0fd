// Filters applied to a dataset, as a table: each filter and the codes of the records
// that pass it, in order.
#include <gtest/gtest.h>

#include "data/Dataset.h"

namespace {

using data::Dataset;
using data::DatasetRole;
using data::FieldType;
using data::FilterError;

// code, name, amount, qty, flag, day ("" = null for every column but code)
struct Row {
  const char* code;
  const char* name;
  const char* amount;
  const char* qty;
  const char* flag;
  const char* day;
};

const Row kRows[] = {
    {"A1", "O'Malley", "10.5", "3", "True", "2005-01-01"},
    {"BA", "超市一店", "200", "0", "False", "2005-02-01"},
    {"C", "ab%c", "0", "", "", ""},
    {"a1", "abc", "-3", "7", "True", "2004-12-31"},
    {"D", "", "", "12", "False", "2005-01-31"},
};

void Fill(Dataset& ds) {
  ds.AddField("code", FieldType::String, 10);
  ds.AddField("name", FieldType::String, 20);
  ds.AddField("amount", FieldType::Float);
  ds.AddField("qty", FieldType::Integer);
  ds.AddField("flag", FieldType::Boolean);
  ds.AddField("day", FieldType::Date);
  ds.CreateDataSet();
  for (const Row& row : kRows) {
    ds.Append();
    const char* values[] = {row.code, row.name, row.amount, row.qty, row.flag, row.day};
    for (int i = 0; i < 6; ++i)
      if (*values[i] || i == 1) ds.Fields(i).SetAsString(values[i]);
    ds.Post();
  }
}

std::string Codes(Dataset& ds) {
  std::string codes;
  for (ds.First(); !ds.Eof(); ds.Next()) codes += (codes.empty() ? "" : ",") + ds.FieldByName("code").AsString();
  return codes;
}

std::string Apply(Dataset& ds, const std::string& filter) {
  ds.SetFiltered(false);
  ds.SetFilter(filter);
  ds.SetFiltered(true);
  return Codes(ds);
}

struct EvalCase {
  const char* filter;
  const char* codes;
};

const EvalCase kClientCases[] = {
    {"", "A1,BA,C,a1,D"},
    {"code = 'A1'", "A1"},
    {"code <> 'A1'", "BA,C,a1,D"},
    {"code > 'B'", "BA,C,a1,D"},
    {"code >= 'C' and code < 'a'", "C,D"},
    // Quotes doubled inside a text.
    {"name = 'O''Malley'", "A1"},
    // AND binds tighter than OR.
    {"code = 'A1' or code = 'BA' and qty > 5", "A1"},
    {"(code = 'A1' or code = 'BA') and qty >= 0", "A1,BA"},
    {"not (code = 'A1' or code = 'BA')", "C,a1,D"},
    // Numbers: floats, integers, negative numbers; a null number fails every
    // comparison (a null text reads as "").
    {"amount > 100", "BA"},
    {"amount < 0", "a1"},
    {"amount >= -3 and amount <= 10.5", "A1,C,a1"},
    {"amount = 0", "C"},
    {"amount <> 0", "A1,BA,a1"},
    {"qty = 7", "a1"},
    {"qty > 2.5", "A1,a1,D"},
    {"qty = '12'", "D"},
    // LIKE with % and _; a null or empty text is "".
    {"name like '%超市%'", "BA"},
    {"name like 'ab%'", "C,a1"},
    {"name like '%c'", "C,a1"},
    {"name like 'a_c'", "a1"},
    {"name like '%''%'", "A1"},
    {"name like ''", "D"},
    {"name not like '%a%'", "BA,D"},
    {"code like '%'", "A1,BA,C,a1,D"},
    // IN, BETWEEN, IS NULL.
    {"code in ('A1', 'D', 'nope')", "A1,D"},
    {"code not in ('A1', 'D')", "BA,C,a1"},
    {"qty in (0, 12)", "BA,D"},
    {"amount between 0 and 10.5", "A1,C"},
    {"amount is null", "D"},
    {"qty is not null", "A1,BA,a1,D"},
    {"amount = null", "D"},
    // Booleans and dates.
    {"flag", "A1,a1"},
    {"not flag", "BA,C,D"},
    {"flag = false", "BA,D"},
    {"day >= '2005-01-01' and day < #2005-02-01#", "A1,D"},
    {"day > '20050115'", "BA,D"},
    // Partial compare of the client dataset: 'A*' means starts with A.
    {"code = 'A*'", "A1"},
    {"code <> 'A*'", "BA,C,a1,D"},
    // Constants alone and the query builder's list value.
    {"1=1", "A1,BA,C,a1,D"},
    {"1=0 or code = 'C'", "C"},
    {"( 1=1  And qty Between '1' And '8' )", "A1,a1"},
    // Field against field.
    {"qty > amount", "a1"},
    {"code = name", ""},
};

TEST(FilterEval, ClientDatasetTable) {
  Dataset ds(DatasetRole::ClientDataSet, "cds");
  Fill(ds);
  for (const EvalCase& c : kClientCases) {
    SCOPED_TRACE(c.filter);
    EXPECT_EQ(Apply(ds, c.filter), c.codes);
  }
}

TEST(FilterEval, CaseInsensitiveOption) {
  Dataset ds;
  Fill(ds);
  ds.SetFilterOptions({.caseInsensitive = true});
  EXPECT_EQ(Apply(ds, "code = 'a1'"), "A1,a1");
  EXPECT_EQ(Apply(ds, "name like 'ABC'"), "a1");
  EXPECT_EQ(Apply(ds, "code in ('a1','x','y','z','w')"), "A1,a1");
}

TEST(FilterEval, NoPartialCompareTakesTheStarLiterally) {
  Dataset ds;
  Fill(ds);
  ds.SetFilterOptions({.noPartialCompare = true});
  EXPECT_EQ(Apply(ds, "code = 'A*'"), "");
}

TEST(FilterEval, AdoDialect) {
  Dataset ds(DatasetRole::AdoDataSet, "ads");
  Fill(ds);
  EXPECT_EQ(Apply(ds, "name like '*超市*'"), "BA");
  EXPECT_EQ(Apply(ds, "name like 'a_c'"), "");  // '_' is no wildcard for ADO
  EXPECT_EQ(Apply(ds, "code = 'A*'"), "");       // no partial compare either
  EXPECT_EQ(Apply(ds, "code = 'C' or code = 'D' and qty > 100"), "C");
}

TEST(FilterEval, BindingErrors) {
  Dataset ds;
  Fill(ds);
  const auto errorOf = [&](const std::string& filter) -> std::string {
    ds.SetFiltered(false);
    ds.SetFilter(filter);
    try {
      ds.SetFiltered(true);
    } catch (const FilterError& error) {
      EXPECT_FALSE(ds.Filtered());
      return error.what();
    }
    return "no error";
  };
  EXPECT_EQ(errorOf("f_x = 1"), "Unknown field 'f_x' at position 1");
  EXPECT_EQ(errorOf("amount > 'abc'"), "'abc' is not a valid Float value for field 'amount' at position 10");
  EXPECT_EQ(errorOf("code = qty"), "Type mismatch: field 'code' is String, field 'qty' is Integer at position 8");
  EXPECT_EQ(errorOf("code like name"), "LIKE needs a text pattern, not the field 'name' at position 11");
  EXPECT_EQ(errorOf("day = 'yesterday'"), "'yesterday' is not a valid Date value for field 'day' at position 7");
}

TEST(FilterEval, ABadTextLeavesTheFilterAsItWas) {
  Dataset ds;
  Fill(ds);
  EXPECT_EQ(Apply(ds, "code = 'C'"), "C");
  EXPECT_THROW(ds.SetFilter("code = "), FilterError);
  EXPECT_EQ(ds.Filter(), "code = 'C'");
  EXPECT_EQ(Codes(ds), "C");
}

// The grid's "does not contain" exclusion: f <> 'placeholder' and (f <> v1 and ...).
TEST(FilterEval, ExclusionOfContainingValues) {
  Dataset ds;
  ds.AddField("f", FieldType::String, 10);
  ds.AddField("code", FieldType::String, 10);
  ds.CreateDataSet();
  for (const char* value : {"A1", "BA", "C"}) {
    ds.Append();
    ds.FieldByName("f").SetAsString(value);
    ds.FieldByName("code").SetAsString(value);
    ds.Post();
  }
  EXPECT_EQ(Apply(ds, "( f<>'temp@temp@temp' ) and (f<>'A1' and f<>'BA')"), "C");
  EXPECT_EQ(Apply(ds, "( f<>'temp@temp@temp' )"), "A1,BA,C");
}

TEST(FilterEval, LongExclusionsBecomeOneSetTest) {
  Dataset ds;
  ds.AddField("f", FieldType::String, 10);
  ds.CreateDataSet();
  for (int i = 0; i < 100; ++i) {
    ds.Append();
    ds.FieldByName("f").SetAsString("v" + std::to_string(i));
    ds.Post();
  }
  std::string filter = "( f<>'temp@temp@temp' ) and (";
  for (int i = 0; i < 100; i += 2) filter += (i ? " and f<>'v" : "f<>'v") + std::to_string(i) + "'";
  filter += ")";
  const data::FilterProgram program(data::ParseFilter(filter), ds, data::FilterDialect::ClientDataSet, {});
  EXPECT_EQ(program.SetTestCount(), 1u);
  ds.SetFilter(filter);
  ds.SetFiltered(true);
  EXPECT_EQ(ds.RecordCount(), 50);
  ds.First();
  EXPECT_EQ(ds.FieldByName("f").AsString(), "v1");
  // A disjunction of equalities is a set test too.
  std::string any = "f='v3'";
  for (int i = 4; i < 10; ++i) any += " or f='v" + std::to_string(i) + "'";
  const data::FilterProgram disjunction(data::ParseFilter(any), ds, data::FilterDialect::ClientDataSet, {});
  EXPECT_EQ(disjunction.SetTestCount(), 1u);
  ds.SetFilter(any);
  EXPECT_EQ(ds.RecordCount(), 7);
}

TEST(FilterEval, EditedRecordsFollowTheFilter) {
  Dataset ds;
  Fill(ds);
  ds.SetFilter("qty > 5");
  ds.SetFiltered(true);
  EXPECT_EQ(Codes(ds), "a1,D");
  ds.First();
  ds.Edit();
  ds.FieldByName("qty").SetAsInteger(1);
  ds.Post();  // no longer passes: leaves the view
  EXPECT_EQ(ds.RecordCount(), 1);
  ds.Append();
  ds.FieldByName("code").SetAsString("E");
  ds.FieldByName("qty").SetAsInteger(9);
  ds.Post();
  EXPECT_EQ(Codes(ds), "D,E");
  ds.SetFiltered(false);
  EXPECT_EQ(Codes(ds), "A1,BA,C,a1,D,E");
}

}  // namespace
