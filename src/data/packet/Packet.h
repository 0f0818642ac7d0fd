#pragma once
// data::Packet: the neutral in-memory form of a client-dataset data packet: field
// descriptors, packet-level properties and records, each record a status byte and one
// base::Variant per field. DecodePacket/EncodePacket (PacketCodec.h) read and write it.
//
// Values by field type: integers are Int (Double beyond 32 bits, Text beyond 2^53),
// Booleans Bool, floats Double, dates/times Date (days since 1899-12-30), ANSI and
// UTF-16 texts and text memos Text (UTF-8), other byte fields Bytes. Null is a NULL
// value; Empty is a value marked "not changed", which only delta packets use.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "base/Variant.h"
#include "data/packet/PacketField.h"
#include "data/packet/PacketProperty.h"

namespace data {

class Packet {
 public:
  // Record status flags.
  static constexpr std::uint8_t kUnmodified = 0x00;
  static constexpr std::uint8_t kOriginal = 0x01;
  static constexpr std::uint8_t kDeleted = 0x02;
  static constexpr std::uint8_t kInserted = 0x04;
  static constexpr std::uint8_t kModified = 0x08;

  Packet() = default;
  // A packet with these fields and no records.
  explicit Packet(std::vector<PacketField> fields) : fields_(std::move(fields)) {}
  // A packet of these records: one status per record and, record after record, one
  // value per field (std::invalid_argument when the counts disagree).
  Packet(std::vector<PacketField> fields, std::vector<std::uint8_t> statuses,
         std::vector<base::Variant> values);

  // Field descriptors in packet order.
  const std::vector<PacketField>& Fields() const { return fields_; }
  std::size_t FieldCount() const { return fields_.size(); }
  // Adds a field; only while the packet holds no records (std::logic_error otherwise).
  void AddField(PacketField field);
  // Index of the field named so (case-insensitive), or -1.
  int FieldIndex(std::string_view name) const;

  // Packet-level properties (LCID, CHANGE_LOG, ...).
  const std::vector<PacketProperty>& Properties() const { return properties_; }
  std::vector<PacketProperty>& Properties() { return properties_; }

  std::size_t RowCount() const { return statuses_.size(); }
  // The values of record `row`, one per field.
  std::span<const base::Variant> Row(std::size_t row) const {
    return {values_.data() + row * fields_.size(), fields_.size()};
  }
  std::span<base::Variant> Row(std::size_t row) {
    return {values_.data() + row * fields_.size(), fields_.size()};
  }
  std::uint8_t RowStatus(std::size_t row) const { return statuses_[row]; }
  void SetRowStatus(std::size_t row, std::uint8_t status) { statuses_[row] = status; }

  // Appends a record of Null values and returns its values (valid until the next append).
  std::span<base::Variant> AddRow(std::uint8_t status = kUnmodified);
  // Room for `rows` records without reallocation.
  void Reserve(std::size_t rows);
  // Removes every record, keeping the fields.
  void ClearRows();

  // Same fields, properties, statuses and values.
  friend bool operator==(const Packet&, const Packet&) = default;

 private:
  std::vector<PacketField> fields_;
  std::vector<PacketProperty> properties_;
  std::vector<std::uint8_t> statuses_;
  std::vector<base::Variant> values_;  // row-major, FieldCount() per record
};

}  // namespace data
