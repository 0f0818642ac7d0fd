#pragma once
// Moving rows between recordsets and datasets: an ADO dataset opened on a host
// recordset, and a dataset turned into a standalone recordset for the host.
#include <memory>

#include "data/Dataset.h"
#include "data/MemoryRecordset.h"
#include "data/Recordset.h"

namespace data {

// The dataset field type for an ADO column type (texts keep their defined size).
FieldType FieldTypeForAdo(int adoType);
// The ADO column type for a dataset field type.
int AdoTypeForField(FieldType type);

// Replaces the dataset's fields and rows with the recordset's, read from its first
// record, and opens the dataset on the first record.
void LoadDataset(Recordset& source, Dataset& target);

// A standalone recordset holding the dataset's rows in view order.
std::shared_ptr<MemoryRecordset> RecordsetFromDataset(const Dataset& source);

}  // namespace data
