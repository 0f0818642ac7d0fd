#pragma once
// Data packets as CSV, for reading and writing them by hand: a line of field names, a
// line of field types ("Text(20)", "Integer", "Float", ...), then one line per record.
// An empty unquoted field is Null, "" an empty text. The CSV keeps names, types and
// values; field attributes, packet properties and record states are not carried.
#include <istream>
#include <ostream>
#include <string>

#include "data/packet/Packet.h"

namespace refhost {

// The CSV type name of a field, e.g. "Text(20)"; "Unsupported(...)" for a type the
// CSV cannot write back.
std::string PacketFieldTypeName(const data::PacketField& field);
// The field of that name and CSV type name; throws std::invalid_argument for an unknown type.
data::PacketField PacketFieldFromTypeName(const std::string& name, const std::string& typeName);

// Writes the packet as CSV.
void WritePacketCsv(const data::Packet& packet, std::ostream& out);
// Reads CSV written so (or by hand) into a packet; throws std::invalid_argument naming
// the line and the field of the first value that does not fit its type.
data::Packet ReadPacketCsv(std::istream& in);

}  // namespace refhost
