#include "refhost/service/PacketRow.h"

#include <cstdlib>

#include "base/Text.h"
#include "refhost/service/HostRefusal.h"

namespace refhost {

const base::Variant* PacketRow::Value(std::string_view name) const {
  const int index = packet_.FieldIndex(name);
  if (index < 0) return nullptr;
  const base::Variant& value = packet_.Row(row_)[static_cast<std::size_t>(index)];
  return value.IsEmptyOrNull() ? nullptr : &value;
}

std::string PacketRow::Text(std::string_view name) const {
  const base::Variant* value = Value(name);
  return value == nullptr ? std::string() : base::Trim(value->ToText());
}

double PacketRow::Number(std::string_view name) const {
  const base::Variant* value = Value(name);
  if (value == nullptr) return 0;
  if (value->GetType() != base::Variant::Type::Text) return value->ToDouble();
  const std::string text = base::Trim(value->ToText());
  if (text.empty()) return 0;
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size())
    throw HostRefusal("字段" + std::string(name) + "的值“" + text + "”不是数字");
  return number;
}

std::vector<PacketRow> PacketRow::Visible(const data::Packet& packet) {
  std::vector<PacketRow> rows;
  for (std::size_t i = 0; i < packet.RowCount(); ++i) {
    const std::uint8_t status = packet.RowStatus(i);
    if ((status & (data::Packet::kDeleted | data::Packet::kOriginal)) == 0) rows.emplace_back(packet, i);
  }
  return rows;
}

}  // namespace refhost
