#include "refhost/engine/OdbcStatement.h"

#include <charconv>
#include <limits>

#include "refhost/engine/CivilTime.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/OdbcDiagnostics.h"

namespace refhost::odbc {

OdbcStatement::OdbcStatement(std::shared_ptr<OdbcConnection> connection)
    : connection_(std::move(connection)) {
  Check(SQLAllocHandle(SQL_HANDLE_STMT, connection_->Handle(), &handle_) , "cannot allocate a statement");
}

OdbcStatement::~OdbcStatement() { SQLFreeHandle(SQL_HANDLE_STMT, handle_); }

void OdbcStatement::Check(SQLRETURN rc, const char* context) const {
  if (handle_ == SQL_NULL_HSTMT)
    odbc::Check(rc, SQL_HANDLE_DBC, connection_->Handle(), connection_->Mode(), context);
  else
    odbc::Check(rc, SQL_HANDLE_STMT, handle_, connection_->Mode(), context);
}

void OdbcStatement::ExecuteDirect(const std::string& sql) {
  if (cursorOpen_) SQLFreeStmt(handle_, SQL_CLOSE);
  cursorOpen_ = false;
  SQLRETURN rc;
  if (connection_->Mode() == TextMode::Wide) {
    WideString text = ToWide(sql);
    rc = SQLExecDirectW(handle_, text.data(), static_cast<SQLINTEGER>(text.size()));
  } else {
    rc = SQLExecDirect(handle_, AsSqlChar(sql), static_cast<SQLINTEGER>(sql.size()));
  }
  AfterExecute(rc, "statement refused");
}

void OdbcStatement::ListTables() {
  SQLRETURN rc;
  if (connection_->Mode() == TextMode::Wide) {
    WideString type = ToWide("TABLE");
    rc = SQLTablesW(handle_, nullptr, 0, nullptr, 0, nullptr, 0, type.data(),
                    static_cast<SQLSMALLINT>(type.size()));
  } else {
    std::string type = "TABLE";
    rc = SQLTables(handle_, nullptr, 0, nullptr, 0, nullptr, 0, AsSqlChar(type),
                   static_cast<SQLSMALLINT>(type.size()));
  }
  AfterExecute(rc, "cannot list the tables");
}

void OdbcStatement::Prepare(const std::string& sql) {
  SQLRETURN rc;
  if (connection_->Mode() == TextMode::Wide) {
    WideString text = ToWide(sql);
    rc = SQLPrepareW(handle_, text.data(), static_cast<SQLINTEGER>(text.size()));
  } else {
    rc = SQLPrepare(handle_, AsSqlChar(sql), static_cast<SQLINTEGER>(sql.size()));
  }
  Check(rc, "statement refused");
}

void OdbcStatement::Execute(const std::vector<base::Variant>& values,
                            const std::vector<ValueKind>* kinds) {
  if (cursorOpen_) SQLFreeStmt(handle_, SQL_CLOSE);
  cursorOpen_ = false;
  parameters_.Bind(handle_, connection_->Mode(), values, kinds);
  AfterExecute(SQLExecute(handle_), "statement refused");
}

void OdbcStatement::AfterExecute(SQLRETURN rc, const char* context) {
  columns_.clear();
  // A searched UPDATE or DELETE that touches no row answers SQL_NO_DATA.
  if (rc == SQL_NO_DATA) return;
  Check(rc, context);
  DescribeColumns();
  cursorOpen_ = !columns_.empty();
}

long long OdbcStatement::RowCount() {
  SQLLEN count = -1;
  if (!SQL_SUCCEEDED(SQLRowCount(handle_, &count))) return -1;
  return count;
}

void OdbcStatement::DescribeColumns() {
  SQLSMALLINT count = 0;
  Check(SQLNumResultCols(handle_, &count), "cannot read the result's columns");
  for (SQLSMALLINT number = 1; number <= count; ++number) {
    Column column;
    SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = SQL_NULLABLE_UNKNOWN;
    SQLULEN size = 0;
    if (connection_->Mode() == TextMode::Wide) {
      SQLWCHAR name[256] = {};
      Check(SQLDescribeColW(handle_, static_cast<SQLUSMALLINT>(number), name, 256, &nameLength,
                            &type, &size, &digits, &nullable),
            "cannot read the result's columns");
      column.name = FromWide(name, std::min<SQLSMALLINT>(nameLength, 255));
    } else {
      SQLCHAR name[512] = {};
      Check(SQLDescribeCol(handle_, static_cast<SQLUSMALLINT>(number), name, 512, &nameLength,
                           &type, &size, &digits, &nullable),
            "cannot read the result's columns");
      column.name.assign(reinterpret_cast<const char*>(name),
                         std::min<SQLSMALLINT>(nameLength, 511));
    }
    column.sqlType = type;
    column.size = static_cast<std::int64_t>(size);
    column.decimalDigits = digits;
    column.nullable = nullable != SQL_NO_NULLS;
    columns_.push_back(std::move(column));
  }
}

bool OdbcStatement::Fetch(std::vector<base::Variant>& row) {
  if (!cursorOpen_) return false;
  const SQLRETURN rc = SQLFetch(handle_);
  if (rc == SQL_NO_DATA) {
    SQLFreeStmt(handle_, SQL_CLOSE);
    cursorOpen_ = false;
    return false;
  }
  Check(rc, "cannot fetch a row");
  row.resize(columns_.size());
  for (std::size_t i = 0; i < columns_.size(); ++i)
    row[i] = ReadValue(static_cast<SQLUSMALLINT>(i + 1), columns_[i]);
  return true;
}

base::Variant OdbcStatement::ReadValue(SQLUSMALLINT number, const Column& column) {
  SQLLEN indicator = 0;
  switch (column.sqlType) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT: {
      if (connection_->LooseColumnTypes()) return ReadNumberText(number, true);
      SQLBIGINT value = 0;
      Check(SQLGetData(handle_, number, SQL_C_SBIGINT, &value, 0, &indicator),
            "cannot read a value");
      if (indicator == SQL_NULL_DATA) return base::Null{};
      if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return static_cast<double>(value);
      return static_cast<int>(value);
    }
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_DECIMAL:
    case SQL_NUMERIC: {
      if (connection_->LooseColumnTypes()) return ReadNumberText(number, false);
      double value = 0;
      Check(SQLGetData(handle_, number, SQL_C_DOUBLE, &value, 0, &indicator),
            "cannot read a value");
      if (indicator == SQL_NULL_DATA) return base::Null{};
      return value;
    }
    case SQL_BIT: {
      unsigned char value = 0;
      Check(SQLGetData(handle_, number, SQL_C_BIT, &value, 0, &indicator), "cannot read a value");
      if (indicator == SQL_NULL_DATA) return base::Null{};
      return value != 0;
    }
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP: {
      SQL_TIMESTAMP_STRUCT value{};
      Check(SQLGetData(handle_, number, SQL_C_TYPE_TIMESTAMP, &value, sizeof value, &indicator),
            "cannot read a value");
      if (indicator == SQL_NULL_DATA) return base::Null{};
      return ToDateTime(
          CivilTime{value.year, value.month, value.day, value.hour, value.minute, value.second});
    }
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return ReadBytes(number);
    default: return ReadText(number);
  }
}

// Texts arrive in pieces when they are longer than the buffer: the driver reports
// truncation and the next call continues where the last one stopped.
base::Variant OdbcStatement::ReadText(SQLUSMALLINT number) {
  const bool wide = connection_->Mode() == TextMode::Wide;
  const std::size_t unit = wide ? sizeof(SQLWCHAR) : 1;
  char buffer[4096 + sizeof(SQLWCHAR)];
  const std::size_t capacity = sizeof buffer / unit - 1;  // units, without the terminator
  std::string bytes;
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc = SQLGetData(handle_, number, wide ? SQL_C_WCHAR : SQL_C_CHAR, buffer,
                                    static_cast<SQLLEN>((capacity + 1) * unit), &indicator);
    if (rc == SQL_NO_DATA) break;
    Check(rc, "cannot read a value");
    if (indicator == SQL_NULL_DATA) return base::Null{};
    const bool complete = indicator != SQL_NO_TOTAL &&
                          static_cast<std::size_t>(indicator) / unit <= capacity;
    const std::size_t units = complete ? static_cast<std::size_t>(indicator) / unit : capacity;
    bytes.append(buffer, units * unit);
    if (rc == SQL_SUCCESS || complete) break;
  }
  if (!wide) return bytes;
  WideString text(bytes.size() / sizeof(SQLWCHAR), 0);
  std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(text.data()));
  return FromWide(text.data(), text.size());
}

// A number of a column whose described type may be wrong, read as the database's own
// text of the value: whole numbers that fit become integers in an integer column,
// every other number a double; a text that is no number stays a text.
base::Variant OdbcStatement::ReadNumberText(SQLUSMALLINT number, bool integerColumn) {
  base::Variant value = ReadText(number);
  if (value.GetType() != base::Variant::Type::Text) return value;
  const std::string text = value.ToText();
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (integerColumn) {
    int whole = 0;
    const auto [stop, error] = std::from_chars(begin, end, whole);
    if (error == std::errc() && stop == end) return whole;
  }
  double real = 0;
  const auto [stop, error] = std::from_chars(begin, end, real);
  if (error == std::errc() && stop == end && begin != end) return real;
  return value;
}

base::Variant OdbcStatement::ReadBytes(SQLUSMALLINT number) {
  std::vector<std::uint8_t> bytes;
  unsigned char buffer[4096];
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc =
        SQLGetData(handle_, number, SQL_C_BINARY, buffer, sizeof buffer, &indicator);
    if (rc == SQL_NO_DATA) break;
    Check(rc, "cannot read a value");
    if (indicator == SQL_NULL_DATA) return base::Null{};
    const bool complete =
        indicator != SQL_NO_TOTAL && static_cast<std::size_t>(indicator) <= sizeof buffer;
    const std::size_t count = complete ? static_cast<std::size_t>(indicator) : sizeof buffer;
    bytes.insert(bytes.end(), buffer, buffer + count);
    if (rc == SQL_SUCCESS || complete) break;
  }
  return bytes;
}

}  // namespace refhost::odbc
