#include "refhost/service/ResultConversion.h"

#include <algorithm>

#include "base/Text.h"
#include "data/Recordset.h"
#include "data/packet/PacketField.h"

namespace refhost {

namespace {

// Widest text a packet's varying text field holds; longer columns become memos.
constexpr std::int64_t kMaxTextWidth = 8000;

enum class Shape { Text, Integer, BigInteger, Float, Bool, Date, Time, DateTime, Binary };

// ODBC SQL type codes, as the driver reports them.
Shape ShapeOf(int sqlType) {
  switch (sqlType) {
    case 4: case 5: case -6: return Shape::Integer;  // INTEGER, SMALLINT, TINYINT
    case -5: return Shape::BigInteger;
    case 2: case 3: case 6: case 7: case 8: return Shape::Float;  // NUMERIC .. DOUBLE
    case -7: return Shape::Bool;
    case 9: case 91: return Shape::Date;
    case 10: case 92: return Shape::Time;
    case 11: case 93: return Shape::DateTime;
    case -2: case -3: case -4: return Shape::Binary;
    default: return Shape::Text;
  }
}

// The characters a text column needs: its declared size or its longest value.
std::int64_t TextWidth(const ResultSet& result, std::size_t column) {
  std::int64_t width = result.columns[column].size;
  if (width <= 0 || width > kMaxTextWidth) width = 0;
  for (const auto& row : result.rows) {
    const base::Variant& value = row[column];
    if (!value.IsEmptyOrNull())
      width = std::max<std::int64_t>(width, static_cast<std::int64_t>(base::AnsiLength(value.ToText())));
  }
  return std::max<std::int64_t>(width, 1);
}

data::PacketField PacketFieldOf(const ResultSet& result, std::size_t column) {
  const std::string& name = result.columns[column].name;
  switch (ShapeOf(result.columns[column].sqlType)) {
    case Shape::Integer: return data::PacketField::Integer(name);
    case Shape::BigInteger: return data::PacketField::Float(name);  // our Variant has no 64-bit integer
    case Shape::Float: return data::PacketField::Float(name);
    case Shape::Bool: return data::PacketField::Boolean(name);
    case Shape::Date: return data::PacketField::Date(name);
    case Shape::Time: return data::PacketField::Time(name);
    case Shape::DateTime: return data::PacketField::DateTime(name);
    case Shape::Binary: return data::PacketField::Blob(name);
    case Shape::Text: break;
  }
  const std::int64_t width = TextWidth(result, column);
  if (width > kMaxTextWidth) return data::PacketField::Memo(name);
  return data::PacketField::Text(name, static_cast<int>(width));
}

data::RecordsetField RecordsetFieldOf(const ResultSet& result, std::size_t column) {
  data::RecordsetField field{result.columns[column].name, data::adVarChar, 0};
  switch (ShapeOf(result.columns[column].sqlType)) {
    case Shape::Integer: field.type = data::adInteger; break;
    case Shape::BigInteger: case Shape::Float: field.type = data::adDouble; break;
    case Shape::Bool: field.type = data::adBoolean; break;
    case Shape::Date: case Shape::Time: case Shape::DateTime: field.type = data::adDBTimeStamp; break;
    case Shape::Binary: field.type = data::adLongVarChar; break;
    case Shape::Text: field.definedSize = static_cast<int>(TextWidth(result, column)); break;
  }
  return field;
}

}  // namespace

data::Packet PacketFromResult(const ResultSet& result) {
  std::vector<data::PacketField> fields;
  for (std::size_t i = 0; i < result.columns.size(); ++i) fields.push_back(PacketFieldOf(result, i));
  data::Packet packet(std::move(fields));
  packet.Reserve(result.rows.size());
  for (const auto& row : result.rows) std::ranges::copy(row, packet.AddRow().begin());
  return packet;
}

std::shared_ptr<data::MemoryRecordset> RecordsetFromResult(const ResultSet& result) {
  std::vector<data::RecordsetField> fields;
  for (std::size_t i = 0; i < result.columns.size(); ++i) fields.push_back(RecordsetFieldOf(result, i));
  return std::make_shared<data::MemoryRecordset>(std::move(fields), result.rows);
}

}  // namespace refhost
