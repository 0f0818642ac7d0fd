// A 100,000-row SELECT through the host call the screens use (dispatch 0x60020000:
// the reference host runs it, encodes a data packet, the library loads it into a
// dataset) against the same SELECT read straight from the database. Both run on one
// database in one run; the ratio of their times is the cost of the host boundary.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/Dataset.h"
#include "host/HostDataService.h"
#include "refhost/engine/Database.h"
#include "refhost/generator/DataGenerator.h"
#include "refhost/service/HostService.h"

namespace {

constexpr const char* kSelect = "SELECT * FROM tb200503_Tjjcb";
constexpr std::size_t kRows = 100000;

// One generated database for both benchmarks, removed when the run ends.
class BenchDatabase {
 public:
  static refhost::Database& Get() {
    static BenchDatabase instance;
    return *instance.database_;
  }

 private:
  BenchDatabase()
      : path_(std::filesystem::temp_directory_path() /
              ("feehost-hostcall-" + std::to_string(getpid()) + ".db")) {
    database_ = refhost::Database::OpenSqliteFile(path_.string());
    refhost::GeneratorOptions options;
    options.scale = kRows;
    options.months = 1;
    refhost::DataGenerator(*database_, options).Run();
  }
  ~BenchDatabase() {
    database_.reset();
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }

  std::filesystem::path path_;
  std::unique_ptr<refhost::Database> database_;
};

void BM_SelectDirect(benchmark::State& state) {
  refhost::Database& database = BenchDatabase::Get();
  for (auto _ : state) {
    const refhost::ResultSet result = database.Query(kSelect);
    if (result.rows.size() != kRows) state.SkipWithError("expected 100,000 rows");
    benchmark::DoNotOptimize(result.rows.data());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SelectDirect)->Unit(benchmark::kMillisecond);

void BM_SelectThroughHostCall(benchmark::State& state) {
  refhost::HostOptions options;
  options.today = "20050315";
  host::HostDataService service(std::make_shared<refhost::HostService>(BenchDatabase::Get(), options));
  for (auto _ : state) {
    data::Dataset dataset;
    if (!service.OpenDataset(kSelect, dataset)) state.SkipWithError("the host refused the SELECT");
    if (static_cast<std::size_t>(dataset.RecordCount()) != kRows) state.SkipWithError("expected 100,000 rows");
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SelectThroughHostCall)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
