#include "data/DataSource.h"

#include <algorithm>

#include "data/Dataset.h"

namespace data {

DataSource::DataSource(Dataset* dataset) { SetDataSet(dataset); }

DataSource::~DataSource() {
  if (dataset_) dataset_->RemoveObserver(this);
}

// Observers see the switch as the platform's data links do: deactivation of the
// old dataset, activation of the new one, each only when it was or is open.
void DataSource::SetDataSet(Dataset* dataset) {
  if (dataset == dataset_) return;
  const bool wasActive = dataset_ && dataset_->Active();
  if (dataset_) dataset_->RemoveObserver(this);
  dataset_ = dataset;
  if (dataset_) dataset_->AddObserver(this);
  const bool active = dataset_ && dataset_->Active();
  if (wasActive) ActiveChanged(false);
  if (active) ActiveChanged(true);
}

void DataSource::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  const bool active = dataset_ && dataset_->Active();
  if (!enabled && active) Tell([](DataObserver& o) { o.ActiveChanged(false); });
  enabled_ = enabled;
  if (enabled && active) Tell([](DataObserver& o) { o.ActiveChanged(true); });
}

DataSetState DataSource::State() const { return dataset_ ? dataset_->State() : DataSetState::Inactive; }

void DataSource::AddObserver(DataObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void DataSource::RemoveObserver(DataObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

template <class Call>
void DataSource::Tell(Call call) {
  if (!enabled_) return;
  const std::vector<DataObserver*> observers = observers_;
  for (DataObserver* observer : observers)
    if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) call(*observer);
}

void DataSource::ActiveChanged(bool active) {
  Tell([&](DataObserver& o) { o.ActiveChanged(active); });
  if (enabled_ && OnStateChange) OnStateChange(*this);
}

void DataSource::DataSetChanged() {
  Tell([](DataObserver& o) { o.DataSetChanged(); });
  if (enabled_ && OnDataChange) OnDataChange(*this, nullptr);
}

void DataSource::DataSetScrolled(int distance) {
  Tell([&](DataObserver& o) { o.DataSetScrolled(distance); });
  if (enabled_ && OnDataChange) OnDataChange(*this, nullptr);
}

void DataSource::RecordChanged(const Field* field) {
  Tell([&](DataObserver& o) { o.RecordChanged(field); });
  if (enabled_ && OnDataChange) OnDataChange(*this, field);
}

void DataSource::LayoutChanged() { Tell([](DataObserver& o) { o.LayoutChanged(); }); }

void DataSource::StateChanged() {
  Tell([](DataObserver& o) { o.StateChanged(); });
  if (enabled_ && OnStateChange) OnStateChange(*this);
}

void DataSource::DataSetDestroying(Dataset& dataset) {
  if (&dataset != dataset_) return;
  const bool wasActive = dataset_->Active();
  dataset_ = nullptr;
  if (wasActive) ActiveChanged(false);
}

}  // namespace data
