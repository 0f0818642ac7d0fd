// The reference host's engine on SQLite: bulk insert, a 100,000-row SELECT read into
// Variants, and the data generator. The SELECT is the baseline that the host call
// path is measured against.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "refhost/engine/BulkInserter.h"
#include "refhost/engine/Database.h"
#include "refhost/engine/Transaction.h"
#include "refhost/generator/DataGenerator.h"

namespace {

// A directory of its own, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "feehost-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void BM_BulkInsert(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ScratchDir dir;
    auto database = refhost::Database::OpenSqliteFile(dir.File("bulk.db"));
    database->Execute("CREATE TABLE t (code VARCHAR(20), name VARCHAR(60), qty INTEGER, amount REAL)");
    state.ResumeTiming();
    refhost::Transaction transaction(*database);
    refhost::BulkInserter inserter(*database, "t", {"code", "name", "qty", "amount"},
                                   {refhost::ValueKind::Text, refhost::ValueKind::Text,
                                    refhost::ValueKind::Integer, refhost::ValueKind::Number});
    for (int i = 0; i < rows; ++i)
      inserter.Add({std::to_string(i), "上海联华食品有限公司", i, i * 0.25});
    inserter.Flush();
    transaction.Commit();
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_BulkInsert)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Select100k(benchmark::State& state) {
  ScratchDir dir;
  auto database = refhost::Database::OpenSqliteFile(dir.File("select.db"));
  refhost::GeneratorOptions options;
  options.scale = 100000;
  options.months = 1;
  refhost::DataGenerator(*database, options).Run();
  for (auto _ : state) {
    const refhost::ResultSet result = database->Query("SELECT * FROM tb200503_Tjjcb");
    benchmark::DoNotOptimize(result.rows.data());
    if (result.rows.size() != 100000) state.SkipWithError("expected 100,000 rows");
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_Select100k)->Unit(benchmark::kMillisecond);

void BM_Generate(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ScratchDir dir;
    auto database = refhost::Database::OpenSqliteFile(dir.File("generated.db"));
    refhost::GeneratorOptions options;
    options.scale = state.range(0);
    options.months = 1;
    state.ResumeTiming();
    refhost::DataGenerator(*database, options).Run();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Generate)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
