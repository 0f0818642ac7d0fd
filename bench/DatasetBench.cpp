// Dataset figures: loading a million rows of twenty fields, sorting them on two keys,
// filtering them, and the grid's "does not contain" exclusion at 10,000 and 100,000
// records (linear if the time per record stays flat; see the BigO line).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/Dataset.h"

namespace {

using data::Dataset;
using data::FieldType;

// A small, fast, reproducible generator.
struct Random {
  std::uint64_t state;
  std::uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::uint32_t>(state >> 16);
  }
};

// Texts of a column: `count` distinct values built from a prefix and a number.
std::vector<std::string> Pool(const std::string& prefix, int count) {
  std::vector<std::string> pool;
  for (int i = 0; i < count; ++i) pool.push_back(prefix + std::to_string(100000 + i));
  return pool;
}

// The shape of a candidate or history list: ten texts (codes, Chinese names, dates
// as text), four amounts, four integers, a flag and a date.
struct Table {
  std::vector<std::vector<std::string>> pools;
  Table() {
    pools.push_back(Pool("S", 5000));         // f_Gysbm supplier code
    pools.push_back(Pool("供应商名称", 5000));  // f_Gysmc supplier name
    pools.push_back(Pool("T", 50));           // f_Tdbm channel
    pools.push_back(Pool("通道", 50));         // f_Tdmc
    pools.push_back(Pool("2005", 365));       // f_Zdrq date text
    pools.push_back(Pool("D", 200000));       // f_Djh document number
    pools.push_back(Pool("张三", 300));        // f_Zdr operator
    pools.push_back(Pool("0", 20));           // f_Hsdwh accounting unit
    pools.push_back(Pool("备注", 1000));        // f_Bz remark
    pools.push_back(Pool("1", 10));           // f_Djlx fee type
  }
};

void Define(Dataset& ds) {
  const char* texts[] = {"f_Gysbm", "f_Gysmc", "f_Tdbm", "f_Tdmc", "f_Zdrq", "f_Djh", "f_Zdr", "f_Hsdwh", "f_Bz", "f_Djlx"};
  const int widths[] = {20, 40, 20, 20, 8, 20, 20, 10, 60, 10};
  for (int i = 0; i < 10; ++i) ds.AddField(texts[i], FieldType::String, widths[i]);
  for (const char* name : {"f_Ysje", "f_Ssje", "f_Yfye", "f_Zkl"}) ds.AddField(name, FieldType::Float);
  for (const char* name : {"f_Select", "f_Dnxh", "f_Sl", "f_Ts"}) ds.AddField(name, FieldType::Integer);
  ds.AddField("f_Ok", FieldType::Boolean);
  ds.AddField("f_Rq", FieldType::Date);
}

// The rows as a decoder hands them over, generated once: every text of a row in field
// order in one byte stream, then the numbers, so that loading reads its input
// sequentially as it would from a data packet or a recordset.
struct Source {
  int rows = 0;
  std::string texts;
  std::vector<std::uint32_t> textEnds;  // end of each text in `texts`
  std::vector<double> floats;           // four per row
  std::vector<std::int32_t> ints;       // four per row
  std::vector<std::uint8_t> flags;
  std::vector<double> dates;
  std::size_t DataBytes() const {
    return texts.size() + floats.size() * 8 + ints.size() * 4 + flags.size() + dates.size() * 8;
  }
};

const Source& Rows() {
  static const Source source = [] {
    const Table table;
    Source s;
    s.rows = 1000000;
    Random random{0x9E3779B97F4A7C15ULL};
    for (int r = 0; r < s.rows; ++r) {
      for (int f = 0; f < 10; ++f) {
        const std::vector<std::string>& pool = table.pools[f];
        s.texts += pool[random.Next() % pool.size()];
        s.textEnds.push_back(static_cast<std::uint32_t>(s.texts.size()));
      }
      for (int f = 0; f < 4; ++f) s.floats.push_back((random.Next() % 1000000) / 100.0);
      for (int f = 0; f < 4; ++f) s.ints.push_back(static_cast<std::int32_t>(random.Next() % 1000));
      s.flags.push_back(random.Next() & 1);
      s.dates.push_back(38353.0 + random.Next() % 365);
    }
    return s;
  }();
  return source;
}

void Load(Dataset& ds, const Source& source) {
  ds.BeginLoad(static_cast<std::size_t>(source.rows), source.texts.size());
  std::size_t text = 0, begin = 0;
  for (int r = 0; r < source.rows; ++r) {
    const std::uint32_t row = ds.AddRow();
    for (int f = 0; f < 10; ++f, ++text) {
      const std::size_t end = source.textEnds[text];
      ds.Fields(f).SetTextAt(row, std::string_view(source.texts).substr(begin, end - begin));
      begin = end;
    }
    for (int f = 0; f < 4; ++f) ds.Fields(10 + f).SetFloatAt(row, source.floats[4 * static_cast<std::size_t>(r) + f]);
    for (int f = 0; f < 4; ++f) ds.Fields(14 + f).SetIntegerAt(row, source.ints[4 * static_cast<std::size_t>(r) + f]);
    ds.Fields(18).SetBooleanAt(row, source.flags[static_cast<std::size_t>(r)] != 0);
    ds.Fields(19).SetDateTimeAt(row, {source.dates[static_cast<std::size_t>(r)]});
  }
  ds.EndLoad();
}

// One loaded million-row dataset shared by the sort and filter benchmarks.
Dataset& Million() {
  static Dataset* ds = [] {
    auto* d = new Dataset(data::DatasetRole::ClientDataSet, "million");
    Define(*d);
    Load(*d, Rows());
    return d;
  }();
  return *ds;
}

void BM_Load(benchmark::State& state) {
  const Source& source = Rows();
  std::size_t storedBytes = 0;
  for (auto _ : state) {
    Dataset ds;
    Define(ds);
    Load(ds, source);
    storedBytes = ds.MemoryBytes();
    state.PauseTiming();  // freeing is not loading
    ds.Close();
    state.ResumeTiming();
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(source.rows), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["data_MB"] = static_cast<double>(source.DataBytes()) / 1e6;
  state.counters["stored_MB"] = static_cast<double>(storedBytes) / 1e6;
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime();

// The grid's automatic sort: two marked columns, the second descending.
void BM_SortTwoKeys(benchmark::State& state) {
  Dataset& ds = Million();
  if (ds.IndexOf("customindex") < 0) ds.AddIndex("customindex", "f_Gysbm;f_Ssje", data::ixCaseInsensitive, "f_Ssje");
  for (auto _ : state) {
    ds.SetIndexName("customindex");
    state.PauseTiming();
    ds.SetIndexName("");
    state.ResumeTiming();
  }
  state.counters["rows"] = ds.RecordCount();
}
BENCHMARK(BM_SortTwoKeys)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortChineseText(benchmark::State& state) {
  Dataset& ds = Million();
  for (auto _ : state) {
    ds.SetIndexFieldNames("f_Gysmc;f_Zdrq");
    state.PauseTiming();
    ds.SetIndexFieldNames("");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SortChineseText)->Unit(benchmark::kMillisecond)->UseRealTime();

void Filter(benchmark::State& state, const char* text) {
  Dataset& ds = Million();
  ds.SetFilter(text);
  int passed = 0;
  for (auto _ : state) {
    ds.SetFiltered(true);  // parse, bind, evaluate every record
    passed = ds.RecordCount();
    state.PauseTiming();
    ds.SetFiltered(false);
    state.ResumeTiming();
  }
  state.counters["passed"] = passed;
}

void BM_FilterCompare(benchmark::State& state) {
  Filter(state, "f_Gysbm >= 'S101000' and f_Ssje > 5000 or f_Tdbm = 'T100007'");
}
BENCHMARK(BM_FilterCompare)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FilterLike(benchmark::State& state) { Filter(state, "f_Gysmc like '%1234%' and f_Ok"); }
BENCHMARK(BM_FilterLike)->Unit(benchmark::kMillisecond)->UseRealTime();

// The grid's "does not contain" filter, step by step as the grid runs it: filter on
// LIKE '%7%', walk the matching records writing f<>'value' for each, then apply the
// placeholder condition followed by the exclusion list.
void BM_ExclusionFilter(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Dataset ds;
  ds.AddField("f_Djh", FieldType::String, 20);
  ds.AddField("f_Ssje", FieldType::Float);
  ds.BeginLoad(rows);
  for (int r = 0; r < rows; ++r) {
    const std::uint32_t row = ds.AddRow();
    ds.Fields(0).SetTextAt(row, std::string("D").append(std::to_string(r)));
    ds.Fields(1).SetFloatAt(row, r);
  }
  ds.EndLoad();
  std::size_t terms = 0;
  for (auto _ : state) {
    ds.SetFiltered(false);
    ds.SetFilter("f_Djh LIKE '%7%'");
    ds.SetFiltered(true);
    std::string exclusion;
    terms = 0;
    for (ds.First(); !ds.Eof(); ds.Next()) {
      if (!exclusion.empty()) exclusion += " and ";
      exclusion.append("f_Djh<>").append(data::QuoteFilterText(ds.FieldByName("f_Djh").AsString()));
      ++terms;
    }
    if (!exclusion.empty()) exclusion = " and (" + exclusion + ")";
    ds.SetFiltered(false);
    ds.SetFilter("( f_Djh<>'temp@temp@temp' )" + exclusion);
    ds.SetFiltered(true);
    benchmark::DoNotOptimize(ds.RecordCount());
  }
  state.counters["terms"] = static_cast<double>(terms);
  state.counters["kept"] = ds.RecordCount();
  state.SetComplexityN(rows);
}
BENCHMARK(BM_ExclusionFilter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
