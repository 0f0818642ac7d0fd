#pragma once
// Reading and writing the binary client-dataset data packet (the bytes of a client
// dataset's Data property), byte-compatible with the platform's own format.
//
// Choices made here:
// - The reader treats its input as hostile: anything truncated or inconsistent (bad
//   magic or version, an empty field name, a record offset that disagrees with the
//   metadata, more records than bytes, bytes after the last record) raises PacketError
//   naming the fault and its offset. It never reads outside the given bytes.
// - BCD, ADT, array, nested-table, reference and SQL-timestamp fields, XML packets and
//   data-only continuation packets are refused with a PacketError. (The published
//   descriptions disagree on how many bytes a BCD value takes; guessing would misread
//   every later value, so such packets are refused rather than read wrongly.)
// - A time stamp before 0001-01-01 names no date and is refused both ways.
// - A field with both null bits set reads as Null; a BLOB marked as not fetched reads
//   as Null (no bytes follow it).
// - Texts longer than their field's WIDTH are read as they are (nothing is lost); the
//   writer refuses values wider than WIDTH or than the length prefix can express, and
//   texts with characters that code page 936 lacks, instead of cutting or mangling them.
// - The writer stores empty texts with length 0 and sets the header's record offset
//   whenever the metadata is shorter than 64 KB, as the platform does.
#include <cstdint>
#include <span>
#include <vector>

#include "base/Variant.h"
#include "data/packet/Packet.h"
#include "data/packet/PacketError.h"

namespace data {

// Reads a packet; PacketError when the bytes are not one complete, consistent packet.
Packet DecodePacket(std::span<const std::uint8_t> bytes);
// Writes a packet; PacketError when a value does not fit its field.
std::vector<std::uint8_t> EncodePacket(const Packet& packet);

// Reads the packet a Variant carries as a byte array (a client dataset's Data);
// PacketError for any other Variant.
Packet PacketFromVariant(const base::Variant& data);
// The packet as a byte-array Variant, the form the host exchanges.
base::Variant PacketToVariant(const Packet& packet);

}  // namespace data
