#pragma once
// The shapes a query result leaves the host in: a client-dataset data packet for the
// packet call and a standalone recordset for the recordset call. Text columns get the
// width their longest value needs in code page 936, never less than the column's size.
#include <memory>

#include "data/MemoryRecordset.h"
#include "data/packet/Packet.h"
#include "refhost/engine/ResultSet.h"

namespace refhost {

// The result as a data packet; PacketError when a value cannot be written.
data::Packet PacketFromResult(const ResultSet& result);
// The result as a recordset with ADO field types and defined sizes.
std::shared_ptr<data::MemoryRecordset> RecordsetFromResult(const ResultSet& result);

}  // namespace refhost
