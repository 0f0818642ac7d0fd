#include "data/Field.h"

#include <cmath>
#include <limits>

#include "base/Text.h"
#include "data/Collation.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"

namespace data {

const char* FieldTypeName(FieldType type) {
  switch (type) {
    case FieldType::String: return "String";
    case FieldType::WideString: return "WideString";
    case FieldType::Memo: return "Memo";
    case FieldType::Integer: return "Integer";
    case FieldType::Float: return "Float";
    case FieldType::Boolean: return "Boolean";
    case FieldType::Date: return "Date";
    case FieldType::DateTime: return "DateTime";
  }
  return "Unknown";
}

bool IsTextType(FieldType type) {
  return type == FieldType::String || type == FieldType::WideString || type == FieldType::Memo;
}

bool IsNumericType(FieldType type) {
  return type == FieldType::Integer || type == FieldType::Float || type == FieldType::Date ||
         type == FieldType::DateTime;
}

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

bool ParseBoolean(std::string_view text, bool& value) {
  text = TrimBlanks(text);
  const auto is = [&](std::string_view word) { return EqualsIgnoreCase(text, word); };
  if (is("true") || is("t") || is("yes") || is("1") || is("-1")) return value = true, true;
  if (is("false") || is("f") || is("no") || is("0")) return value = false, true;
  return false;
}

// Whether a UTF-8 text may need a cut to `width` ANSI bytes. Its ANSI length is at
// most one byte per ASCII character and two per other character.
bool MayExceedAnsiWidth(std::string_view utf8, std::size_t width) {
  if (utf8.size() <= width) return false;
  std::size_t bound = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      ++bound;
    else if (byte >= 0xC0)
      bound += 2;
  }
  return bound > width;
}

// The longest prefix of whole characters that has at most `units` UTF-16 units.
std::string_view CutUtf16Units(std::string_view utf8, std::size_t units) {
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::size_t width = length == 4 ? 2 : 1;
    if (used + width > units) break;
    used += width;
    i += length;
  }
  return utf8.substr(0, i < utf8.size() ? i : utf8.size());
}

}  // namespace

Field::Field(Dataset& dataset, std::string name, FieldType type, int size, int index)
    : dataset_(&dataset),
      name_(std::move(name)),
      type_(type),
      size_(IsTextType(type) && type != FieldType::Memo && size > 0 ? size : 0),
      index_(index) {}

void Field::SetDisplayLabel(std::string label) {
  label_ = std::move(label);
  dataset_->NotifyLayoutChanged();
}

void Field::SetDisplayFormat(std::string format) {
  displayFormat_ = std::move(format);
  dataset_->NotifyLayoutChanged();
}

void Field::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  dataset_->NotifyLayoutChanged();
}

// ---- Storage ---------------------------------------------------------------------

void Field::ResizeRows(std::size_t rows) {
  nulls_.Resize(rows, true);
  switch (type_) {
    case FieldType::String:
    case FieldType::WideString:
    case FieldType::Memo: texts_.Resize(rows); break;
    case FieldType::Integer: ints_.resize(rows); break;
    case FieldType::Boolean: bools_.resize(rows); break;
    default: doubles_.resize(rows); break;
  }
}

void Field::AppendRow() {
  nulls_.PushBack(true);
  switch (type_) {
    case FieldType::String:
    case FieldType::WideString:
    case FieldType::Memo: texts_.Append({}); break;
    case FieldType::Integer: ints_.push_back(0); break;
    case FieldType::Boolean: bools_.push_back(0); break;
    default: doubles_.push_back(0); break;
  }
}

void Field::ShrinkToFit() {
  nulls_.ShrinkToFit();
  texts_.ShrinkToFit();
  ints_.shrink_to_fit();
  doubles_.shrink_to_fit();
  bools_.shrink_to_fit();
}

void Field::ReserveRows(std::size_t rows, std::size_t textBytes) {
  nulls_.Reserve(rows);
  switch (type_) {
    case FieldType::String:
    case FieldType::WideString:
    case FieldType::Memo: texts_.Reserve(rows, textBytes); break;
    case FieldType::Integer: ints_.reserve(rows); break;
    case FieldType::Boolean: bools_.reserve(rows); break;
    default: doubles_.reserve(rows); break;
  }
}

void Field::ClearRows() {
  nulls_.Clear();
  texts_.Clear();
  std::vector<std::int32_t>().swap(ints_);
  std::vector<double>().swap(doubles_);
  std::vector<std::uint8_t>().swap(bools_);
}

std::size_t Field::MemoryBytes() const {
  return nulls_.MemoryBytes() + texts_.MemoryBytes() + ints_.capacity() * sizeof(std::int32_t) +
         doubles_.capacity() * sizeof(double) + bools_.capacity();
}

// ---- Reading a storage row ---------------------------------------------------------

std::int32_t Field::IntegerAt(std::uint32_t row) const {
  switch (type_) {
    case FieldType::Integer: return ints_[row];
    case FieldType::Boolean: return bools_[row] ? -1 : 0;
    case FieldType::Float:
    case FieldType::Date:
    case FieldType::DateTime: return base::Variant(doubles_[row]).ToInt();
    default: return base::Variant(std::string(texts_.Get(row))).ToInt();
  }
}

double Field::FloatAt(std::uint32_t row) const {
  switch (type_) {
    case FieldType::Integer: return ints_[row];
    case FieldType::Boolean: return bools_[row] ? -1 : 0;
    case FieldType::Float:
    case FieldType::Date:
    case FieldType::DateTime: return doubles_[row];
    default: {
      double value = 0;
      return ParseNumberText(texts_.Get(row), value) ? value : 0;
    }
  }
}

bool Field::BooleanAt(std::uint32_t row) const {
  switch (type_) {
    case FieldType::Boolean: return bools_[row] != 0;
    case FieldType::Integer: return ints_[row] != 0;
    case FieldType::Float:
    case FieldType::Date:
    case FieldType::DateTime: return doubles_[row] != 0;
    default: {
      bool value = false;
      return ParseBoolean(texts_.Get(row), value) && value;
    }
  }
}

base::Variant Field::ValueAt(std::uint32_t row) const {
  if (nulls_.Test(row)) return base::Null{};
  switch (type_) {
    case FieldType::Integer: return ints_[row];
    case FieldType::Boolean: return bools_[row] != 0;
    case FieldType::Float: return doubles_[row];
    case FieldType::Date:
    case FieldType::DateTime: return base::DateTime{doubles_[row]};
    default: return std::string(texts_.Get(row));
  }
}

namespace {

// The text of a stored (coerced) value the way the platform's AsString gives it.
std::string TextOf(FieldType type, const base::Variant& value) {
  if (value.IsEmptyOrNull()) return {};
  switch (type) {
    case FieldType::Float: return FloatToText(value.ToDouble());
    case FieldType::Date: return FormatDateTime("yyyy-mm-dd", value.ToDouble());
    case FieldType::DateTime: {
      const double days = value.ToDouble();
      return FormatDateTime(days == std::floor(days) ? "yyyy-mm-dd" : "yyyy-mm-dd hh:nn:ss", days);
    }
    default: return value.ToText();
  }
}

std::string DisplayOf(FieldType type, const std::string& format, const base::Variant& value) {
  if (value.IsEmptyOrNull()) return {};
  if (format.empty()) return TextOf(type, value);
  switch (type) {
    case FieldType::Integer:
    case FieldType::Float: return FormatFloat(format, value.ToDouble());
    case FieldType::Date:
    case FieldType::DateTime: return FormatDateTime(format, value.ToDouble());
    case FieldType::Boolean: {
      // "Yes;No": the text before ';' for true, after it for false.
      const std::size_t semicolon = format.find(';');
      if (semicolon == std::string::npos) return TextOf(type, value);
      return value.ToBool() ? format.substr(0, semicolon) : format.substr(semicolon + 1);
    }
    default: return TextOf(type, value);
  }
}

}  // namespace

std::string Field::AsStringAt(std::uint32_t row) const {
  if (nulls_.Test(row)) return {};
  if (IsText()) return std::string(texts_.Get(row));
  return TextOf(type_, ValueAt(row));
}

std::string Field::DisplayTextAt(std::uint32_t row) const {
  if (IsText()) return AsStringAt(row);
  return DisplayOf(type_, displayFormat_, ValueAt(row));
}

// ---- Writing a storage row ---------------------------------------------------------

void Field::SetNullAt(std::uint32_t row) {
  nulls_.Set(row, true);
  if (IsText()) texts_.Set(row, {});
}

void Field::SetTextAt(std::uint32_t row, std::string_view utf8) {
  if (!IsText()) {
    SetValueAt(row, Coerce(std::string(utf8)));
    return;
  }
  nulls_.Set(row, false);
  if (size_ > 0 && (type_ == FieldType::WideString ? utf8.size() > static_cast<std::size_t>(size_)
                                                    : MayExceedAnsiWidth(utf8, size_))) {
    texts_.Set(row, CutToWidth(utf8));
    return;
  }
  texts_.Set(row, utf8);
}

void Field::SetIntegerAt(std::uint32_t row, std::int32_t value) {
  if (type_ != FieldType::Integer) {
    SetValueAt(row, Coerce(value));
    return;
  }
  nulls_.Set(row, false);
  ints_[row] = value;
}

void Field::SetFloatAt(std::uint32_t row, double value) {
  if (type_ != FieldType::Float && type_ != FieldType::DateTime) {
    SetValueAt(row, Coerce(type_ == FieldType::Date ? base::Variant(base::DateTime{value}) : base::Variant(value)));
    return;
  }
  nulls_.Set(row, false);
  doubles_[row] = value;
}

void Field::SetBooleanAt(std::uint32_t row, bool value) {
  if (type_ != FieldType::Boolean) {
    SetValueAt(row, Coerce(value));
    return;
  }
  nulls_.Set(row, false);
  bools_[row] = value;
}

void Field::SetValueAt(std::uint32_t row, const base::Variant& value) {
  const base::Variant stored = Coerce(value);
  if (stored.IsNull()) {
    SetNullAt(row);
    return;
  }
  nulls_.Set(row, false);
  switch (type_) {
    case FieldType::Integer: ints_[row] = stored.ToInt(); break;
    case FieldType::Boolean: bools_[row] = stored.ToBool(); break;
    case FieldType::Float:
    case FieldType::Date:
    case FieldType::DateTime: doubles_[row] = stored.ToDouble(); break;
    default: texts_.Set(row, stored.ToText()); break;
  }
}

// ---- Conversions ---------------------------------------------------------------------

void Field::FailValue(std::string_view text, const char* what) const {
  throw DatasetError("'" + std::string(text) + "' is not a valid " + what + " value for field '" +
                     name_ + "'");
}

std::string Field::CutToWidth(std::string_view utf8) const {
  if (size_ <= 0) return std::string(utf8);
  if (type_ == FieldType::WideString) return std::string(CutUtf16Units(utf8, size_));
  if (!MayExceedAnsiWidth(utf8, size_)) return std::string(utf8);
  return base::CutToAnsiBytes(utf8, size_);
}

base::Variant Field::Coerce(const base::Variant& value) const {
  if (value.IsEmptyOrNull()) return base::Null{};
  const bool isText = value.GetType() == base::Variant::Type::Text;
  try {
    switch (type_) {
      case FieldType::String:
      case FieldType::WideString:
      case FieldType::Memo:
        if (value.GetType() == base::Variant::Type::Double) return CutToWidth(FloatToText(value.ToDouble()));
        return CutToWidth(value.ToText());
      case FieldType::Integer: {
        if (!isText) return value.ToInt();
        const std::string& text = value.ToText();
        if (TrimBlanks(text).empty()) return base::Null{};
        double number = 0;
        if (!ParseNumberText(text, number) || number != std::floor(number) ||
            number < std::numeric_limits<std::int32_t>::min() ||
            number > std::numeric_limits<std::int32_t>::max())
          FailValue(text, "integer");
        return static_cast<std::int32_t>(number);
      }
      case FieldType::Float: {
        if (!isText) return value.ToDouble();
        const std::string& text = value.ToText();
        if (TrimBlanks(text).empty()) return base::Null{};
        double number = 0;
        if (!ParseNumberText(text, number)) FailValue(text, "floating point");
        return number;
      }
      case FieldType::Boolean: {
        if (!isText) return value.ToBool();
        const std::string& text = value.ToText();
        if (TrimBlanks(text).empty()) return base::Null{};
        bool flag = false;
        if (!ParseBoolean(text, flag)) FailValue(text, "boolean");
        return flag;
      }
      case FieldType::Date:
      case FieldType::DateTime: {
        double days = 0;
        if (isText) {
          const std::string& text = value.ToText();
          if (TrimBlanks(text).empty()) return base::Null{};
          if (!ParseDateTimeText(text, days)) FailValue(text, "date and time");
        } else {
          days = value.ToDateTime().days;
        }
        if (type_ == FieldType::Date) days = std::floor(days);
        return base::DateTime{days};
      }
    }
  } catch (const base::VariantError& error) {
    throw DatasetError("Field '" + name_ + "': " + error.what());
  }
  return base::Null{};
}

// ---- The current record ---------------------------------------------------------------

const base::Variant* Field::Buffered() const {
  return dataset_->Editing() ? dataset_->BufferedValue(index_) : nullptr;
}

bool Field::IsNull() const {
  if (const base::Variant* value = Buffered()) return value->IsEmptyOrNull();
  const auto row = dataset_->CurrentRow();
  return !row || IsNullAt(*row);
}

base::Variant Field::Value() const {
  if (const base::Variant* value = Buffered()) return value->IsEmpty() ? base::Variant(base::Null{}) : *value;
  const auto row = dataset_->CurrentRow();
  return row ? ValueAt(*row) : base::Variant(base::Null{});
}

std::string Field::AsString() const {
  if (const base::Variant* value = Buffered()) return TextOf(type_, *value);
  const auto row = dataset_->CurrentRow();
  return row ? AsStringAt(*row) : std::string();
}

std::string Field::DisplayText() const {
  if (const base::Variant* value = Buffered()) return DisplayOf(type_, displayFormat_, *value);
  const auto row = dataset_->CurrentRow();
  return row ? DisplayTextAt(*row) : std::string();
}

std::int32_t Field::AsInteger() const {
  const base::Variant value = Value();
  if (value.IsNull()) return 0;
  if (IsText()) {
    const std::string text = value.ToText();
    if (TrimBlanks(text).empty()) return 0;
    double number = 0;
    if (!ParseNumberText(text, number) || number != std::floor(number) ||
        number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
      FailValue(text, "integer");
    return static_cast<std::int32_t>(number);
  }
  try {
    return value.ToInt();
  } catch (const base::VariantError& error) {
    throw DatasetError("Field '" + name_ + "': " + error.what());
  }
}

double Field::AsFloat() const {
  const base::Variant value = Value();
  if (value.IsNull()) return 0;
  if (IsText()) {
    double number = 0;
    const std::string text = value.ToText();
    if (TrimBlanks(text).empty()) return 0;
    if (!ParseNumberText(text, number)) FailValue(text, "floating point");
    return number;
  }
  return value.ToDouble();
}

bool Field::AsBoolean() const {
  const base::Variant value = Value();
  if (value.IsNull()) return false;
  if (IsText()) {
    bool flag = false;
    const std::string text = value.ToText();
    if (!ParseBoolean(text, flag)) FailValue(text, "boolean");
    return flag;
  }
  return value.ToBool();
}

base::DateTime Field::AsDateTime() const {
  const base::Variant value = Value();
  if (value.IsNull()) return {};
  if (IsText()) {
    double days = 0;
    const std::string text = value.ToText();
    if (!ParseDateTimeText(text, days)) FailValue(text, "date and time");
    return {days};
  }
  try {
    return value.ToDateTime();
  } catch (const base::VariantError& error) {
    throw DatasetError("Field '" + name_ + "': " + error.what());
  }
}

void Field::Assign(const base::Variant& value) {
  if (!dataset_->Editing())
    throw DatasetError("Dataset not in edit or insert mode (field '" + name_ + "')");
  if (readOnly_) throw DatasetError("Field '" + name_ + "' cannot be modified");
  dataset_->SetBufferedValue(*this, Coerce(value));
}

void Field::SetValue(const base::Variant& value) { Assign(value); }
void Field::SetAsString(std::string_view text) { Assign(std::string(text)); }
void Field::SetAsInteger(std::int32_t value) { Assign(value); }
void Field::SetAsFloat(double value) { Assign(value); }
void Field::SetAsBoolean(bool value) { Assign(value); }
void Field::SetAsDateTime(base::DateTime value) { Assign(value); }
void Field::Clear() { Assign(base::Null{}); }

}  // namespace data
