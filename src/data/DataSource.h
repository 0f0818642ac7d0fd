#pragma once
// The link between a dataset and the controls that show it. A dataset tells its
// observers (data sources) what changed; a data source passes that on to the
// controls (grids) that observe it, and can be pointed at another dataset or at none.
#include <functional>
#include <vector>

namespace data {

class Dataset;
class Field;
enum class DataSetState;

// What a dataset or data source tells its observers. Every method has an empty default.
class DataObserver {
 public:
  virtual ~DataObserver() = default;
  // The dataset was opened or closed, or the data source now shows another dataset
  // (the platform's data-link activation).
  virtual void ActiveChanged(bool active) {}
  // Rows were loaded, added, deleted, reordered or filtered: redraw everything.
  virtual void DataSetChanged() {}
  // The cursor moved by `distance` records (0 when it is not known).
  virtual void DataSetScrolled(int distance) {}
  // A value of the current record changed; `field` is null when several did.
  virtual void RecordChanged(const Field* field) {}
  // Fields were added, or a field's label, format or visibility changed.
  virtual void LayoutChanged() {}
  // The dataset went into or out of Edit or Insert state.
  virtual void StateChanged() {}
  // The dataset is being destroyed; it must not be used after this call returns.
  virtual void DataSetDestroying(Dataset& dataset) {}
};

// TDataSource: the controls observe it instead of the dataset itself, so that a
// screen can detach a grid from its data (DataSet(nullptr)) and attach it again.
class DataSource : private DataObserver {
 public:
  explicit DataSource(Dataset* dataset = nullptr);
  ~DataSource() override;
  DataSource(const DataSource&) = delete;
  DataSource& operator=(const DataSource&) = delete;

  Dataset* DataSet() const { return dataset_; }
  // Attaches another dataset (or none); observers receive ActiveChanged(false) when
  // the old one was open, then ActiveChanged(true) when the new one is.
  void SetDataSet(Dataset* dataset);
  // A disabled data source passes nothing on; enabling it again sends ActiveChanged.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The dataset's state, Inactive when there is none.
  DataSetState State() const;

  // Observers are not owned; remove one before destroying it.
  void AddObserver(DataObserver* observer);
  void RemoveObserver(DataObserver* observer);

  // Platform events: a data change (field null when not one field) and a state change.
  std::function<void(DataSource&, const Field*)> OnDataChange;
  std::function<void(DataSource&)> OnStateChange;

 private:
  void ActiveChanged(bool active) override;
  void DataSetChanged() override;
  void DataSetScrolled(int distance) override;
  void RecordChanged(const Field* field) override;
  void LayoutChanged() override;
  void StateChanged() override;
  void DataSetDestroying(Dataset& dataset) override;

  template <class Call>
  void Tell(Call call);

  Dataset* dataset_ = nullptr;
  bool enabled_ = true;
  std::vector<DataObserver*> observers_;
};

}  // namespace data
