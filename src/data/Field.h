#pragma once
// data::Field: one typed column of a Dataset, with the display properties the grids
// and the query builder read (label, format, visibility, tag) and the value accessors
// of the current record in the VCL manner (AsString, AsInteger, AsFloat, ...).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"
#include "data/Column.h"

namespace data {

class Dataset;

// Field data types. String is ANSI text whose Size is a width in code page 936
// bytes (the text is kept in UTF-8 and cut to the width when written); WideString
// is UTF-16 text whose Size counts UTF-16 units; Memo has no width.
enum class FieldType { String, WideString, Memo, Integer, Float, Boolean, Date, DateTime };

// "String", "Integer", ... for messages.
const char* FieldTypeName(FieldType type);
// String, WideString and Memo.
bool IsTextType(FieldType type);
// Integer, Float, Date and DateTime (the types stored as numbers).
bool IsNumericType(FieldType type);

// An error in a dataset or field operation, with the message the screens show.
class DatasetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Field {
 public:
  // Created by Dataset::AddField only.
  Field(Dataset& dataset, std::string name, FieldType type, int size, int index);
  Field(const Field&) = delete;
  Field& operator=(const Field&) = delete;

  // Definition.
  const std::string& FieldName() const { return name_; }
  FieldType DataType() const { return type_; }
  int Size() const { return size_; }  // text width; 0 for other types and Memo
  int Index() const { return index_; }  // position in the dataset's field list
  Dataset& DataSet() const { return *dataset_; }
  bool IsText() const { return IsTextType(type_); }

  // Display properties. Changing one tells the dataset's observers the layout changed.
  const std::string& DisplayLabel() const { return label_.empty() ? name_ : label_; }
  void SetDisplayLabel(std::string label);
  const std::string& DisplayFormat() const { return displayFormat_; }  // e.g. "0.00"
  void SetDisplayFormat(std::string format);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  // The current record: the edit buffer while the dataset is in Edit or Insert
  // state, otherwise the record under the cursor (null when there is none).
  // Setters need Edit or Insert state and raise DatasetError otherwise, on a
  // read-only field, or for a value the type cannot take.
  bool IsNull() const;
  base::Variant Value() const;  // Null when null
  void SetValue(const base::Variant& value);  // Null or Empty clears
  std::string AsString() const;  // "" when null
  void SetAsString(std::string_view text);
  std::int32_t AsInteger() const;  // 0 when null
  void SetAsInteger(std::int32_t value);
  double AsFloat() const;  // 0 when null
  void SetAsFloat(double value);
  bool AsBoolean() const;  // false when null
  void SetAsBoolean(bool value);
  base::DateTime AsDateTime() const;
  void SetAsDateTime(base::DateTime value);
  std::string DisplayText() const;  // AsString shaped by DisplayFormat
  void Clear();  // sets null

  // A storage row (Dataset::RowAt maps view positions to storage rows). Readers
  // for grids, footers, filters and codecs; no cursor is involved.
  bool IsNullAt(std::uint32_t row) const { return nulls_.Test(row); }
  std::string_view TextAt(std::uint32_t row) const { return texts_.Get(row); }  // text types
  std::int32_t IntegerAt(std::uint32_t row) const;  // Integer and Boolean (-1/0)
  double FloatAt(std::uint32_t row) const;  // every non-text type
  bool BooleanAt(std::uint32_t row) const;
  base::DateTime DateTimeAt(std::uint32_t row) const { return {FloatAt(row)}; }
  base::Variant ValueAt(std::uint32_t row) const;
  std::string AsStringAt(std::uint32_t row) const;
  std::string DisplayTextAt(std::uint32_t row) const;

  // Writers of a storage row for bulk loading (between Dataset::BeginLoad and
  // EndLoad): no state check, no event. Texts are cut to the width as on Post.
  void SetNullAt(std::uint32_t row);
  void SetTextAt(std::uint32_t row, std::string_view utf8);
  void SetIntegerAt(std::uint32_t row, std::int32_t value);
  void SetFloatAt(std::uint32_t row, double value);
  void SetBooleanAt(std::uint32_t row, bool value);
  void SetDateTimeAt(std::uint32_t row, base::DateTime value) { SetFloatAt(row, value.days); }
  void SetValueAt(std::uint32_t row, const base::Variant& value);

  // The value as this field stores it: cut to width, converted to the type. Raises
  // DatasetError when the value does not convert.
  base::Variant Coerce(const base::Variant& value) const;
  // A text cut to this field's width in ANSI bytes (whole characters only).
  std::string CutToWidth(std::string_view utf8) const;

  // Storage (used by Dataset).
  void AppendRow();  // a new storage row holding null
  void ResizeRows(std::size_t rows);
  void ShrinkToFit();
  void ReserveRows(std::size_t rows, std::size_t textBytes);
  void ClearRows();
  std::size_t MemoryBytes() const;

 private:
  void Assign(const base::Variant& value);  // through the dataset's edit buffer
  const base::Variant* Buffered() const;  // the edit-buffer value, or nullptr
  [[noreturn]] void FailValue(std::string_view text, const char* what) const;

  Dataset* dataset_;
  std::string name_;
  FieldType type_;
  int size_;
  int index_;
  std::string label_;
  std::string displayFormat_;
  bool visible_ = true;
  int tag_ = 0;
  bool readOnly_ = false;

  RowBits nulls_;
  TextCells texts_;                  // text types
  std::vector<std::int32_t> ints_;   // Integer
  std::vector<double> doubles_;      // Float, Date, DateTime
  std::vector<std::uint8_t> bools_;  // Boolean
};

}  // namespace data
