#pragma once
// Data packets in and out of datasets: what a client dataset's Data property does.
// A packet is always written with every live record in natural order, whatever the
// filter and index, as plain data (status 0, no change log).
#include "base/Variant.h"
#include "data/Dataset.h"
#include "data/packet/Packet.h"

namespace data {

// The dataset field type for a packet field; PacketError for binary data.
FieldType FieldTypeForPacket(const PacketField& field);
// The packet field that holds a dataset field.
PacketField PacketFieldFor(const Field& field);

// How loading treats the dataset's fields: Replace takes the packet's fields (a
// dataset without persistent fields); Keep binds the dataset's own fields to the
// packet's by name, so their labels, formats and tags stay (persistent fields).
enum class PacketFields { Replace, Keep };

// Replaces the dataset's rows with the packet's visible records (not the original
// versions of changed records, not deleted ones) and opens it on the first record.
// With Keep, a dataset field missing from the packet raises DatasetError and changes
// nothing (packet fields the dataset lacks are not loaded). A value its field cannot
// take raises DatasetError and leaves the dataset open and empty.
void LoadPacket(const Packet& packet, Dataset& target, PacketFields fields = PacketFields::Replace);
// The packet of the dataset's fields and live records.
Packet PacketFromDataset(const Dataset& source);

// cds.Data := data: decodes the byte-array Variant and loads it.
void SetData(Dataset& target, const base::Variant& data,
             PacketFields fields = PacketFields::Replace);
// cds.Data: the dataset as a byte-array Variant.
base::Variant DataOf(const Dataset& source);

}  // namespace data
