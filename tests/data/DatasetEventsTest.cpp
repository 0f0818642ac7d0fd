// Events, observers, DisableControls/EnableControls and the data source.
#include <gtest/gtest.h>

#include "data/Dataset.h"

namespace {

using data::DataObserver;
using data::Dataset;
using data::DataSource;
using data::FieldType;

// Writes every notification as a word.
class Recorder : public DataObserver {
 public:
  std::string log;
  void ActiveChanged(bool active) override { Add(active ? "active" : "inactive"); }
  void DataSetChanged() override { Add("changed"); }
  void DataSetScrolled(int distance) override { Add("scrolled" + std::to_string(distance)); }
  void RecordChanged(const data::Field* field) override { Add("record:" + (field ? field->FieldName() : std::string("*"))); }
  void LayoutChanged() override { Add("layout"); }
  void StateChanged() override { Add("state"); }
  std::string Take() { return std::exchange(log, std::string()); }

 private:
  void Add(const std::string& word) { log += (log.empty() ? "" : " ") + word; }
};

void Define(Dataset& ds) {
  ds.AddField("code", FieldType::String, 10);
  ds.AddField("n", FieldType::Integer);
}

void Add(Dataset& ds, const char* code, int n) {
  ds.Append();
  ds.FieldByName("code").SetAsString(code);
  ds.FieldByName("n").SetAsInteger(n);
  ds.Post();
}

TEST(Events, OrderAroundAppendAndPost) {
  Dataset ds;
  Define(ds);
  std::string log;
  const auto record = [&](const char* name) { return [&log, name](Dataset&) { log += std::string(name) + " "; }; };
  ds.AfterOpen = record("AfterOpen");
  ds.BeforeInsert = record("BeforeInsert");
  ds.OnNewRecord = [&](Dataset& d) {
    log += "OnNewRecord ";
    d.FieldByName("n").SetAsInteger(42);  // a default value
  };
  ds.AfterInsert = record("AfterInsert");
  ds.BeforeScroll = record("BeforeScroll");
  ds.AfterScroll = record("AfterScroll");
  ds.BeforePost = record("BeforePost");
  ds.AfterPost = record("AfterPost");
  ds.BeforeEdit = record("BeforeEdit");
  ds.AfterEdit = record("AfterEdit");
  ds.BeforeDelete = record("BeforeDelete");
  ds.AfterDelete = record("AfterDelete");
  ds.CreateDataSet();
  EXPECT_EQ(log, "AfterOpen AfterScroll ");
  log.clear();
  ds.Append();
  EXPECT_EQ(ds.FieldByName("n").AsInteger(), 42);
  ds.Post();
  EXPECT_EQ(log, "BeforeInsert BeforeScroll OnNewRecord AfterInsert AfterScroll BeforePost AfterPost ");
  log.clear();
  ds.Edit();
  ds.Post();
  ds.Delete();
  EXPECT_EQ(log, "BeforeEdit AfterEdit BeforePost AfterPost BeforeDelete BeforeScroll AfterDelete AfterScroll ");
}

TEST(Events, AfterScrollOnEveryMove) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  for (int i = 0; i < 5; ++i) Add(ds, ("C" + std::to_string(i)).c_str(), i);
  int scrolls = 0;
  std::string seen;
  ds.AfterScroll = [&](Dataset& d) {
    ++scrolls;
    seen += d.FieldByName("code").AsString() + " ";
  };
  ds.First();
  ds.Next();
  ds.Locate("code", "C4");
  ds.Locate("code", "none");  // not found: no scroll
  ds.Next();                  // already at the end: Eof, the cursor stays
  ds.Next();                  // at Eof nothing moves, no event
  EXPECT_EQ(seen, "C0 C1 C4 C4 ");
  EXPECT_EQ(scrolls, 4);
  ds.SetFilter("n > 2");
  ds.SetFiltered(true);  // a new filter goes to the first record
  EXPECT_EQ(seen, "C0 C1 C4 C4 C3 ");
  ds.SetIndexFieldNames("n");  // a new order keeps the record and does not scroll
  EXPECT_EQ(scrolls, 5);
}

TEST(Events, ObserversHearWhatChanged) {
  Dataset ds;
  Define(ds);
  Recorder recorder;
  ds.AddObserver(&recorder);
  ds.CreateDataSet();
  EXPECT_EQ(recorder.Take(), "active");
  Add(ds, "A", 1);
  EXPECT_EQ(recorder.Take(), "state changed record:code record:n state changed");
  Add(ds, "B", 2);
  recorder.Take();
  ds.First();
  EXPECT_EQ(recorder.Take(), "scrolled-1");
  ds.FieldByName("code").SetVisible(false);
  EXPECT_EQ(recorder.Take(), "layout");
  ds.Close();
  EXPECT_EQ(recorder.Take(), "inactive");
  ds.RemoveObserver(&recorder);
  ds.Open();
  EXPECT_EQ(recorder.Take(), "");
}

TEST(Events, DisableControlsTellsObserversOnceAtTheEnd) {
  Recorder recorder;  // outlives the dataset, which tells it when it goes
  Dataset ds;
  Define(ds);
  ds.AddObserver(&recorder);
  ds.CreateDataSet();
  recorder.Take();
  int scrolls = 0;
  ds.AfterScroll = [&](Dataset&) { ++scrolls; };
  ds.DisableControls();
  ds.DisableControls();  // nested
  for (int i = 0; i < 100; ++i) Add(ds, "x", i);
  for (ds.First(); !ds.Eof(); ds.Next()) {
  }
  EXPECT_TRUE(ds.ControlsDisabled());
  ds.EnableControls();
  EXPECT_EQ(recorder.Take(), "");  // still disabled once
  ds.EnableControls();
  EXPECT_FALSE(ds.ControlsDisabled());
  EXPECT_EQ(recorder.Take(), "changed");
  EXPECT_GT(scrolls, 100);  // events still fire while controls are disabled
  ds.EnableControls();     // one too many: harmless
  // Nothing happened: nothing to tell.
  ds.DisableControls();
  ds.EnableControls();
  EXPECT_EQ(recorder.Take(), "");
  // Reopened while disabled: observers hear about activation.
  ds.DisableControls();
  ds.Close();
  ds.EnableControls();
  EXPECT_EQ(recorder.Take(), "inactive");
}

TEST(Events, DataSourceAttachDetachAndForward) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  Add(ds, "A", 1);
  Add(ds, "B", 2);
  DataSource source;
  Recorder grid;
  source.AddObserver(&grid);
  int dataChanges = 0;
  source.OnDataChange = [&](DataSource&, const data::Field*) { ++dataChanges; };
  source.SetDataSet(&ds);
  EXPECT_EQ(grid.Take(), "active");
  EXPECT_EQ(source.State(), data::DataSetState::Browse);
  ds.First();
  EXPECT_EQ(grid.Take(), "scrolled-1");
  EXPECT_EQ(dataChanges, 1);
  source.SetDataSet(nullptr);  // the screens detach a grid while they reload
  EXPECT_EQ(grid.Take(), "inactive");
  EXPECT_EQ(source.State(), data::DataSetState::Inactive);
  ds.Next();
  EXPECT_EQ(grid.Take(), "");
  source.SetDataSet(&ds);
  EXPECT_EQ(grid.Take(), "active");
  source.SetEnabled(false);
  EXPECT_EQ(grid.Take(), "inactive");
  ds.First();
  EXPECT_EQ(grid.Take(), "");
  source.SetEnabled(true);
  EXPECT_EQ(grid.Take(), "active");
  Dataset other;
  Define(other);
  other.CreateDataSet();
  source.SetDataSet(&other);
  EXPECT_EQ(grid.Take(), "inactive active");
}

TEST(Events, DatasetDestroyedBeforeItsDataSource) {
  DataSource source;
  Recorder grid;
  source.AddObserver(&grid);
  {
    Dataset ds;
    Define(ds);
    ds.CreateDataSet();
    source.SetDataSet(&ds);
    grid.Take();
  }
  EXPECT_EQ(grid.Take(), "inactive");
  EXPECT_EQ(source.DataSet(), nullptr);
}

TEST(Events, ObserverMayDetachWhileBeingTold) {
  Dataset ds;
  Define(ds);
  struct SelfRemover : DataObserver {
    Dataset* ds = nullptr;
    int calls = 0;
    void DataSetChanged() override {
      ++calls;
      ds->RemoveObserver(this);
    }
  } first, second;
  first.ds = second.ds = &ds;
  ds.AddObserver(&first);
  ds.AddObserver(&second);
  ds.CreateDataSet();
  Add(ds, "A", 1);
  Add(ds, "B", 2);
  EXPECT_EQ(first.calls, 1);
  EXPECT_EQ(second.calls, 1);
}

}  // namespace
