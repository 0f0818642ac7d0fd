#include "data/packet/PacketDataset.h"

#include "data/packet/PacketCodec.h"
#include "data/packet/PacketLayout.h"

namespace data {
namespace {

using Kind = ValueLayout::Kind;

constexpr std::uint8_t kHiddenVersions = Packet::kOriginal | Packet::kDeleted | 0x20;

// The width a text field gets when the packet gives none: what its values can hold.
int TextWidth(const PacketField& field, const ValueLayout& layout) {
  const int width = field.Width() > 0 ? field.Width() : static_cast<int>(layout.maxBytes);
  return layout.kind == Kind::WideText ? width / 2 : width;
}

// Typed stores for the common cases; everything else goes through the field's coercion.
void Store(Field& field, std::uint32_t row, const base::Variant& value) {
  using Type = base::Variant::Type;
  const FieldType type = field.DataType();
  switch (value.GetType()) {
    case Type::Empty:
    case Type::Null:
      return field.SetNullAt(row);
    case Type::Text:
      if (field.IsText()) return field.SetTextAt(row, value.ToText());
      break;
    case Type::Int:
      if (type == FieldType::Integer) return field.SetIntegerAt(row, value.ToInt());
      if (type == FieldType::Float) return field.SetFloatAt(row, value.ToInt());
      break;
    case Type::Double:
      if (type == FieldType::Float) return field.SetFloatAt(row, value.ToDouble());
      break;
    case Type::Bool:
      if (type == FieldType::Boolean) return field.SetBooleanAt(row, value.ToBool());
      break;
    case Type::Date:
      if (type == FieldType::Date || type == FieldType::DateTime)
        return field.SetDateTimeAt(row, value.ToDateTime());
      break;
    default:
      break;
  }
  field.SetValueAt(row, value);
}

}  // namespace

FieldType FieldTypeForPacket(const PacketField& field) {
  const ValueLayout layout = LayoutOf(field);
  switch (layout.kind) {
    case Kind::Int:
      return layout.size <= 4 ? FieldType::Integer : FieldType::Float;
    case Kind::UInt:
      return layout.size <= 2 ? FieldType::Integer : FieldType::Float;
    case Kind::Bool:
      return FieldType::Boolean;
    case Kind::Float:
    case Kind::Extended:
    case Kind::Single:
      return FieldType::Float;
    case Kind::Date:
      return FieldType::Date;
    case Kind::Time:
    case Kind::Timestamp:
      return FieldType::DateTime;
    case Kind::AnsiText:
      return layout.blob ? FieldType::Memo : FieldType::String;
    case Kind::WideText:
      return layout.blob ? FieldType::Memo : FieldType::WideString;
    case Kind::Bytes:
      break;
  }
  throw PacketError("field '" + field.name + "' holds binary data, which a dataset cannot hold");
}

PacketField PacketFieldFor(const Field& field) {
  switch (field.DataType()) {
    case FieldType::String:
      return PacketField::Text(field.FieldName(), field.Size());
    case FieldType::WideString:
      return PacketField::WideText(field.FieldName(), field.Size());
    case FieldType::Memo:
      return PacketField::Memo(field.FieldName());
    case FieldType::Integer:
      return PacketField::Integer(field.FieldName());
    case FieldType::Float:
      return PacketField::Float(field.FieldName());
    case FieldType::Boolean:
      return PacketField::Boolean(field.FieldName());
    case FieldType::Date:
      return PacketField::Date(field.FieldName());
    case FieldType::DateTime:
      return PacketField::DateTime(field.FieldName());
  }
  throw PacketError("field '" + field.FieldName() + "' has no packet type");
}

void LoadPacket(const Packet& packet, Dataset& target, PacketFields fields) {
  // Which packet field feeds each dataset field, worked out before anything changes.
  std::vector<std::size_t> source;
  if (fields == PacketFields::Replace) {
    std::vector<FieldType> types;
    for (const PacketField& f : packet.Fields()) types.push_back(FieldTypeForPacket(f));
    target.Close();
    target.ClearFields();
    for (std::size_t i = 0; i < packet.FieldCount(); ++i) {
      const PacketField& f = packet.Fields()[i];
      const bool sized = types[i] == FieldType::String || types[i] == FieldType::WideString;
      target.AddField(f.FullName(), types[i], sized ? TextWidth(f, LayoutOf(f)) : 0);
      source.push_back(i);
    }
  } else {
    for (int i = 0; i < target.FieldCount(); ++i) {
      const std::string& name = target.Fields(i).FieldName();
      const int index = packet.FieldIndex(name);
      if (index < 0) throw DatasetError("Field '" + name + "' not found");
      source.push_back(static_cast<std::size_t>(index));
    }
  }

  target.BeginLoad(packet.RowCount());
  try {
    for (std::size_t r = 0; r < packet.RowCount(); ++r) {
      if (packet.RowStatus(r) & kHiddenVersions) continue;
      const std::span<const base::Variant> values = packet.Row(r);
      const std::uint32_t row = target.AddRow();
      for (int i = 0; i < target.FieldCount(); ++i)
        Store(target.Fields(i), row, values[source[static_cast<std::size_t>(i)]]);
    }
  } catch (...) {
    // No half-loaded rows: the dataset is left open and empty.
    target.BeginLoad();
    target.EndLoad();
    throw;
  }
  target.EndLoad();
}

Packet PacketFromDataset(const Dataset& source) {
  Packet packet;
  for (int i = 0; i < source.FieldCount(); ++i) packet.AddField(PacketFieldFor(source.Fields(i)));
  const std::vector<std::uint32_t> rows = source.AllRows();
  packet.Reserve(rows.size());
  for (const std::uint32_t row : rows) {
    const std::span<base::Variant> values = packet.AddRow();
    for (int i = 0; i < source.FieldCount(); ++i) {
      const Field& field = source.Fields(i);
      if (field.IsNullAt(row)) continue;
      values[static_cast<std::size_t>(i)] =
          field.IsText() ? base::Variant(std::string(field.TextAt(row))) : field.ValueAt(row);
    }
  }
  return packet;
}

void SetData(Dataset& target, const base::Variant& data, PacketFields fields) {
  LoadPacket(PacketFromVariant(data), target, fields);
}

base::Variant DataOf(const Dataset& source) { return PacketToVariant(PacketFromDataset(source)); }

}  // namespace data
