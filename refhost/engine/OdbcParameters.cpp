#include "refhost/engine/OdbcParameters.h"

#include <algorithm>
#include <stdexcept>

#include "refhost/engine/CivilTime.h"
#include "refhost/engine/OdbcDiagnostics.h"

namespace refhost::odbc {

namespace {

// The value as the column kind wants it, so that a text "12.5" reaches a numeric
// column as a number (PostgreSQL refuses text there). Nulls stay Nulls.
base::Variant Coerce(const base::Variant& value, const ValueKind* kind) {
  if (!kind || value.IsEmptyOrNull()) return value;
  switch (*kind) {
    case ValueKind::Text:
      return value.GetType() == base::Variant::Type::Text ? value : base::Variant(value.ToText());
    case ValueKind::Integer: return base::Variant(static_cast<int>(value.ToInt()));
    case ValueKind::Number: return base::Variant(value.ToDouble());
    case ValueKind::DateTime: return base::Variant(value.ToDateTime());
    case ValueKind::Bool: return base::Variant(value.ToBool());
    case ValueKind::Bytes: break;
  }
  return value;
}

struct Binding {
  SQLSMALLINT cType;
  SQLSMALLINT sqlType;
};

Binding NullBinding(const ValueKind* kind, TextMode mode) {
  const Binding text = mode == TextMode::Wide ? Binding{SQL_C_WCHAR, SQL_WVARCHAR}
                                              : Binding{SQL_C_CHAR, SQL_VARCHAR};
  if (!kind) return text;
  switch (*kind) {
    case ValueKind::Text: return text;
    case ValueKind::Integer:
    case ValueKind::Bool: return {SQL_C_SLONG, SQL_INTEGER};
    case ValueKind::Number: return {SQL_C_DOUBLE, SQL_DOUBLE};
    case ValueKind::DateTime: return {SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP};
    case ValueKind::Bytes: return {SQL_C_BINARY, SQL_VARBINARY};
  }
  return text;
}

}  // namespace

void OdbcParameters::Bind(SQLHSTMT statement, TextMode mode,
                          const std::vector<base::Variant>& values,
                          const std::vector<ValueKind>* kinds) {
  if (kinds && kinds->size() != values.size())
    throw std::invalid_argument("parameter kinds and values differ in number");
  if (buffers_.size() != values.size()) {
    SQLFreeStmt(statement, SQL_RESET_PARAMS);
    buffers_.assign(values.size(), Buffer{});
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    const ValueKind* kind = kinds ? &(*kinds)[i] : nullptr;
    const base::Variant value = Coerce(values[i], kind);
    Buffer& buffer = buffers_[i];
    Binding binding{};
    SQLPOINTER data = nullptr;
    std::string variable;  // the bytes of a text or byte array
    bool isVariable = false;
    switch (value.GetType()) {
      case base::Variant::Type::Empty:
      case base::Variant::Type::Null:
        binding = NullBinding(kind, mode);
        isVariable = binding.cType == SQL_C_WCHAR || binding.cType == SQL_C_CHAR ||
                     binding.cType == SQL_C_BINARY;
        break;
      case base::Variant::Type::Text:
        if (mode == TextMode::Wide) {
          const WideString wide = ToWide(value.ToText());
          variable.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(SQLWCHAR));
          binding = {SQL_C_WCHAR, SQL_WVARCHAR};
        } else {
          variable = value.ToText();
          binding = {SQL_C_CHAR, SQL_VARCHAR};
        }
        isVariable = true;
        break;
      case base::Variant::Type::Int:
      case base::Variant::Type::Bool:
        buffer.integer = value.GetType() == base::Variant::Type::Bool ? (value.ToBool() ? 1 : 0)
                                                                       : value.ToInt();
        binding = {SQL_C_SLONG, SQL_INTEGER};
        data = &buffer.integer;
        break;
      case base::Variant::Type::Double:
        buffer.number = value.ToDouble();
        binding = {SQL_C_DOUBLE, SQL_DOUBLE};
        data = &buffer.number;
        break;
      case base::Variant::Type::Date: {
        const CivilTime civil = ToCivil(value.ToDateTime());
        buffer.timestamp.year = static_cast<SQLSMALLINT>(civil.year);
        buffer.timestamp.month = static_cast<SQLUSMALLINT>(civil.month);
        buffer.timestamp.day = static_cast<SQLUSMALLINT>(civil.day);
        buffer.timestamp.hour = static_cast<SQLUSMALLINT>(civil.hour);
        buffer.timestamp.minute = static_cast<SQLUSMALLINT>(civil.minute);
        buffer.timestamp.second = static_cast<SQLUSMALLINT>(civil.second);
        buffer.timestamp.fraction = 0;
        binding = {SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP};
        data = &buffer.timestamp;
        break;
      }
      case base::Variant::Type::Bytes: {
        const auto& bytes = value.Bytes();
        variable.assign(bytes.begin(), bytes.end());
        binding = {SQL_C_BINARY, SQL_VARBINARY};
        isVariable = true;
        break;
      }
      default:
        throw std::invalid_argument("parameter " + std::to_string(i + 1) + " cannot be bound: " +
                                    value.TypeName());
    }
    const bool isNull = value.IsEmptyOrNull();
    buffer.indicator = isNull ? SQL_NULL_DATA : static_cast<SQLLEN>(variable.size());
    const bool sameBinding = buffer.cType == binding.cType && buffer.sqlType == binding.sqlType;
    if (isVariable) {
      const bool fits = variable.size() + 2 <= buffer.bytes.size();
      if (sameBinding && fits) {
        std::copy(variable.begin(), variable.end(), buffer.bytes.begin());
        continue;
      }
      // Room to spare, so that the next, longer value rarely needs a new binding.
      buffer.bytes.assign(std::max<std::size_t>(64, 2 * variable.size() + 2), '\0');
      std::copy(variable.begin(), variable.end(), buffer.bytes.begin());
      data = buffer.bytes.data();
    } else if (sameBinding) {
      continue;
    } else if (isNull) {
      data = &buffer.number;
    }
    const std::size_t unit = binding.cType == SQL_C_WCHAR ? sizeof(SQLWCHAR) : 1;
    const SQLULEN columnSize = isVariable ? (buffer.bytes.size() - 2) / unit
                               : binding.cType == SQL_C_TYPE_TIMESTAMP ? 19
                                                                        : 0;
    const SQLLEN bufferLength = isVariable ? static_cast<SQLLEN>(buffer.bytes.size()) : 0;
    Check(SQLBindParameter(statement, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                           binding.cType, binding.sqlType, columnSize, 0, data, bufferLength,
                           &buffer.indicator),
          SQL_HANDLE_STMT, statement, mode, "cannot bind a parameter");
    buffer.cType = binding.cType;
    buffer.sqlType = binding.sqlType;
  }
}

}  // namespace refhost::odbc
