// Fuzzes the filter parser and evaluator with hostile text. Besides "no crash, no
// over-read, no undefined behaviour": the canonical text of a parsed filter parses
// to the same canonical text, and a bound filter evaluates on every row of a small
// dataset of every field type (nulls included) with NOT giving the complement.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "data/Dataset.h"

namespace {

data::Dataset& Sample() {
  static data::Dataset* dataset = [] {
    auto* ds = new data::Dataset(data::DatasetRole::ClientDataSet, "fuzz");
    ds->AddField("a", data::FieldType::String, 8);
    ds->AddField("f c", data::FieldType::String, 20);
    ds->AddField("n", data::FieldType::Float);
    ds->AddField("i", data::FieldType::Integer);
    ds->AddField("flag", data::FieldType::Boolean);
    ds->AddField("d", data::FieldType::Date);
    ds->AddField("金额", data::FieldType::Float);
    ds->AddField("memo", data::FieldType::Memo);
    const char* texts[] = {"A1", "", "O'Malley", "超市一店", "ab%c_d*", "a"};
    ds->BeginLoad();
    for (int r = 0; r < 12; ++r) {
      const std::uint32_t row = ds->AddRow();
      if (r % 5 != 4) ds->Fields(0).SetTextAt(row, texts[r % 6]);
      ds->Fields(1).SetTextAt(row, texts[(r + 3) % 6]);
      if (r % 4 != 3) ds->Fields(2).SetFloatAt(row, (r - 5) * 1.25);
      if (r % 3 != 2) ds->Fields(3).SetIntegerAt(row, r * 7 - 30);
      if (r % 6 != 5) ds->Fields(4).SetBooleanAt(row, r % 2 == 0);
      if (r % 7 != 6) ds->Fields(5).SetDateTimeAt(row, {38353.0 + r * 31});
      ds->Fields(6).SetFloatAt(row, r);
      ds->Fields(7).SetTextAt(row, std::string(static_cast<std::size_t>(r) * 3, 'x'));
    }
    ds->EndLoad();
    return ds;
  }();
  return *dataset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the dialect and the options; the rest is the filter text.
  const std::uint8_t mode = bytes[0];
  const std::string_view text(reinterpret_cast<const char*>(bytes + 1), size - 1);
  const data::FilterDialect dialect = mode & 1 ? data::FilterDialect::Ado : data::FilterDialect::ClientDataSet;
  const data::FilterOptions options{(mode & 2) != 0, (mode & 4) != 0};

  data::FilterNode tree;
  try {
    tree = data::ParseFilter(text, dialect);
  } catch (const data::FilterError&) {
    return 0;  // refused with a message: what the parser must do with bad text
  }
  const std::string canonical = tree.ToText();
  try {
    if (data::ParseFilter(canonical, dialect).ToText() != canonical) std::abort();
  } catch (const data::FilterError& error) {
    // Canonical parentheses may add a level or two to a filter at the nesting limit.
    if (!std::strstr(error.what(), "nested too deeply")) std::abort();
  }

  data::Dataset& ds = Sample();
  try {
    const data::FilterProgram program(tree, ds, dialect, options);
    data::FilterNode negation{data::FilterNode::Kind::Not, {tree}, {}};
    const data::FilterProgram complement(negation, ds, dialect, options);
    std::vector<std::uint32_t> selected;
    program.Select(ds.ViewRows(), selected);
    std::size_t matches = 0;
    for (const std::uint32_t row : ds.ViewRows()) {
      const bool match = program.Matches(row);
      if (match == complement.Matches(row)) std::abort();
      matches += match ? 1 : 0;
    }
    if (matches != selected.size()) std::abort();
  } catch (const data::FilterError&) {
    return 0;  // an unknown field or a value that does not fit: a clear refusal
  }
  return 0;
}
