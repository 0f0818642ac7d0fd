// Grid figures: sorting a million rows on two marked titles, painting one screen of a
// 1,000,000-row grid against a 1,000-row grid (the same cost if painting touches the
// visible rows only), and the does-not-contain filter at 10,000 and 100,000 records
// (linear if the time per record stays flat).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "data/Dataset.h"
#include "data/Field.h"
#include "grid/AdvDBGridEh.h"
#include "grid/ExclusionFilter.h"
#include "ui/GridCanvas.h"

namespace {

// Counts the drawing calls and draws nothing.
class CountingCanvas : public ui::GridCanvas {
 public:
  std::int64_t calls = 0;
  void FillRect(const ui::Rect&, ui::Color) override { ++calls; }
  void PutText(const ui::Rect&, std::string_view text, const ui::Font&, ui::TextAlign) override {
    calls += static_cast<std::int64_t>(text.size() > 0);
  }
  void DrawLine(int, int, int, int, ui::Color) override { ++calls; }
  void DrawButtonFrame(const ui::Rect&) override { ++calls; }
  void DrawCheckBox(const ui::Rect&, bool) override { ++calls; }
  void DrawSortMarker(const ui::Rect&, ui::TSortMarkerEh) override { ++calls; }
};

// A bill-line list: supplier code, maker, date text, amount; `rows` records.
std::unique_ptr<data::Dataset> BillLines(int rows, data::DatasetRole role) {
  auto dataset = std::make_unique<data::Dataset>(role);
  dataset->AddField("f_Gysbm", data::FieldType::String, 10);
  dataset->AddField("f_Zdr", data::FieldType::String, 20);
  dataset->AddField("f_Zdrq", data::FieldType::String, 8);
  dataset->AddField("f_Ssje", data::FieldType::Float);
  std::uint64_t state = 88172645463325252ull;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::uint32_t>(state >> 16);
  };
  dataset->BeginLoad(static_cast<std::size_t>(rows));
  for (int i = 0; i < rows; ++i) {
    const std::uint32_t row = dataset->AddRow();
    dataset->Fields(0).SetTextAt(row, "S" + std::to_string(100000 + next() % 5000));
    dataset->Fields(1).SetTextAt(row, "制单人" + std::to_string(next() % 300));
    dataset->Fields(2).SetTextAt(row, "2005" + std::to_string(1000 + next() % 1200));
    dataset->Fields(3).SetFloatAt(row, (next() % 100000) / 100.0);
  }
  dataset->EndLoad();
  return dataset;
}

struct GridOn {
  std::unique_ptr<data::Dataset> dataset;
  data::DataSource source;
  grid::TAdvDBGridEh grid{nullptr};
  GridOn(int rows, data::DatasetRole role) : dataset(BillLines(rows, role)), source(dataset.get()) {
    grid.SetBounds(0, 0, 800, 600);
    grid.FrozenCols = 1;
    grid.FooterRowCount = 1;
    grid.AutoSorted = true;
    for (const char* name : {"f_Gysbm", "f_Zdr", "f_Zdrq", "f_Ssje"}) grid.Columns.Add({name, name, 120});
    grid.Columns.At(3).footer.valueType = ui::fvtSum;
    grid.OnGetCellParams = [](ui::DBGrid&, ui::GridCellParams& params) {
      params.background = params.recNo % 2 ? ui::Rgb(196, 196, 255) : ui::Rgb(221, 221, 255);
    };
    grid.SetDataSource(&source);
  }
  ~GridOn() { grid.SetDataSource(nullptr); }
};

// The sort two marked titles ask for: supplier ascending, date descending or
// ascending in turn, so that every iteration orders the rows afresh.
void BM_GridSortTwoKeys(benchmark::State& state) {
  GridOn on(static_cast<int>(state.range(0)), data::DatasetRole::AdoDataSet);
  on.grid.Columns.At(0).sortMarker = ui::smUpEh;
  on.grid.Columns.At(0).sortIndex = 1;
  on.grid.Columns.At(2).sortIndex = 2;
  bool down = true;
  for (auto _ : state) {
    on.grid.Columns.At(2).sortMarker = down ? ui::smDownEh : ui::smUpEh;
    down = !down;
    on.grid.ApplyAutoSort();
    benchmark::DoNotOptimize(on.dataset->RowAt(0));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GridSortTwoKeys)->Arg(1000000)->Unit(benchmark::kMillisecond);

// One screen in the middle of the list; the footer sum is recomputed every time (the
// cache is dropped as a data change would), so its cost over the view shows apart.
void BM_GridPaintScreen(benchmark::State& state) {
  GridOn on(static_cast<int>(state.range(0)), data::DatasetRole::ClientDataSet);
  on.grid.SetTopRow(static_cast<int>(state.range(0)) / 2);
  CountingCanvas canvas;
  for (auto _ : state) on.grid.Paint(canvas);
  state.counters["calls/paint"] = static_cast<double>(canvas.calls) / state.iterations();
}
BENCHMARK(BM_GridPaintScreen)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// The filter a does-not-contain condition leaves: one record in ten holds the text.
void BM_GridExcludeFilter(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  auto dataset = std::make_unique<data::Dataset>();
  dataset->AddField("f_Gysmc", data::FieldType::String, 40);
  dataset->BeginLoad(static_cast<std::size_t>(rows));
  for (int i = 0; i < rows; ++i) {
    const std::uint32_t row = dataset->AddRow();
    dataset->Fields(0).SetTextAt(row, (i % 10 == 0 ? "超市" : "商店") + std::to_string(i));
  }
  dataset->EndLoad();
  for (auto _ : state) {
    grid::ApplyConditionFilter(*dataset, "( f_Gysmc<>'temp@temp@temp' )", "f_Gysmc LIKE '%超市%'",
                               "f_Gysmc");
    benchmark::DoNotOptimize(dataset->RecordCount());
  }
  state.SetComplexityN(rows);
}
BENCHMARK(BM_GridExcludeFilter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
