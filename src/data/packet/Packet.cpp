#include "data/packet/Packet.h"

#include <stdexcept>

#include "data/Collation.h"

namespace data {

Packet::Packet(std::vector<PacketField> fields, std::vector<std::uint8_t> statuses,
               std::vector<base::Variant> values)
    : fields_(std::move(fields)), statuses_(std::move(statuses)), values_(std::move(values)) {
  if (values_.size() != statuses_.size() * fields_.size())
    throw std::invalid_argument("packet records need one value per field");
}

void Packet::AddField(PacketField field) {
  if (!statuses_.empty()) throw std::logic_error("cannot add a field to a packet with records");
  fields_.push_back(std::move(field));
}

int Packet::FieldIndex(std::string_view name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (EqualsIgnoreCase(fields_[i].name, name)) return static_cast<int>(i);
  return -1;
}

std::span<base::Variant> Packet::AddRow(std::uint8_t status) {
  statuses_.push_back(status);
  values_.resize(values_.size() + fields_.size(), base::Variant(base::Null{}));
  return Row(statuses_.size() - 1);
}

void Packet::Reserve(std::size_t rows) {
  statuses_.reserve(rows);
  values_.reserve(rows * fields_.size());
}

void Packet::ClearRows() {
  statuses_.clear();
  values_.clear();
}

}  // namespace data
