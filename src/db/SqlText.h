#pragma once
// SQL text pieces that depend on the value or on the host's database dialect.
#include <string>
#include <string_view>

namespace db {

// A value as an SQL string literal: between single quotes, with every single quote
// inside doubled. Every value from a person, a file or a record reaches SQL this way.
std::string QuotedStr(std::string_view value);

// The string concatenation operator of a dialect: "+" for exactly "SQLSERVER",
// "||" for any other dialect text ("DB2", "ORACLE", or one the host invented).
std::string_view ConcatOperator(std::string_view dialect);

}  // namespace db
