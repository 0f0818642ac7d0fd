#pragma once
// refhost::PacketRow: one record of a data packet the library sent, read by field
// name without regard to case. A missing field or a null reads as empty text or 0.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/packet/Packet.h"

namespace refhost {

class PacketRow {
 public:
  PacketRow(const data::Packet& packet, std::size_t row) : packet_(packet), row_(row) {}

  // The field's text, trimmed of blanks.
  std::string Text(std::string_view name) const;
  // The field's number; a text that is no number raises HostRefusal naming the field.
  double Number(std::string_view name) const;

  // The records that are current data (not deleted, not the original of a change).
  static std::vector<PacketRow> Visible(const data::Packet& packet);

 private:
  const base::Variant* Value(std::string_view name) const;

  const data::Packet& packet_;
  std::size_t row_;
};

}  // namespace refhost
