#include "data/RecordsetDataset.h"

namespace data {

FieldType FieldTypeForAdo(int adoType) {
  switch (adoType) {
    case adSmallInt:
    case adInteger:
    case adTinyInt:
    case adUnsignedTinyInt:
    case adUnsignedSmallInt: return FieldType::Integer;
    case adSingle:
    case adDouble:
    case adCurrency:
    case adDecimal:
    case adNumeric:
    case adBigInt:
    case adUnsignedInt: return FieldType::Float;  // beyond 32 bits or fractional
    case adBoolean: return FieldType::Boolean;
    case adDBDate: return FieldType::Date;
    case adDate:
    case adDBTimeStamp: return FieldType::DateTime;
    case adWChar:
    case adVarWChar:
    case adBSTR: return FieldType::WideString;
    case adLongVarChar:
    case adLongVarWChar: return FieldType::Memo;
    default: return FieldType::String;
  }
}

int AdoTypeForField(FieldType type) {
  switch (type) {
    case FieldType::String: return adVarChar;
    case FieldType::WideString: return adVarWChar;
    case FieldType::Memo: return adLongVarChar;
    case FieldType::Integer: return adInteger;
    case FieldType::Float: return adDouble;
    case FieldType::Boolean: return adBoolean;
    case FieldType::Date: return adDBDate;
    case FieldType::DateTime: return adDBTimeStamp;
  }
  return adVarChar;
}

namespace {

// Columns without a usable maximum (or longer than a field can be) become memos.
constexpr int kLongestTextField = 8000;

}  // namespace

void LoadDataset(Recordset& source, Dataset& target) {
  const std::vector<RecordsetField> fields = source.Fields();
  target.Close();
  target.ClearFields();
  for (const RecordsetField& f : fields) {
    FieldType type = FieldTypeForAdo(f.type);
    const bool unbounded = f.definedSize <= 0 || f.definedSize > kLongestTextField;
    if (IsTextType(type) && unbounded) type = FieldType::Memo;
    target.AddField(f.name, type, type == FieldType::Memo || !IsTextType(type) ? 0 : f.definedSize);
  }
  source.MoveFirst();
  const auto rows = source.GetRows();
  target.BeginLoad(rows.size());
  for (const auto& values : rows) {
    const std::uint32_t row = target.AddRow();
    for (int i = 0; i < target.FieldCount(); ++i)
      target.Fields(i).SetValueAt(row, values[static_cast<std::size_t>(i)]);
  }
  target.EndLoad();
}

std::shared_ptr<MemoryRecordset> RecordsetFromDataset(const Dataset& source) {
  std::vector<RecordsetField> fields;
  for (int i = 0; i < source.FieldCount(); ++i) {
    const Field& f = source.Fields(i);
    fields.push_back({f.FieldName(), AdoTypeForField(f.DataType()), f.Size()});
  }
  std::vector<std::vector<base::Variant>> rows;
  rows.reserve(source.ViewRows().size());
  for (const std::uint32_t row : source.ViewRows()) {
    std::vector<base::Variant>& values = rows.emplace_back();
    values.reserve(fields.size());
    for (int i = 0; i < source.FieldCount(); ++i) values.push_back(source.Fields(i).ValueAt(row));
  }
  return std::make_shared<MemoryRecordset>(std::move(fields), std::move(rows));
}

}  // namespace data
