#pragma once
// OdbcParameters: the buffers that hold a statement's parameter values while the
// driver reads them, and their binding. Internal to the engine.
#include <string>
#include <vector>

#include "base/Variant.h"
#include "refhost/engine/OdbcApi.h"
#include "refhost/engine/OdbcText.h"
#include "refhost/engine/ValueKind.h"

namespace refhost::odbc {

class OdbcParameters {
 public:
  // Puts values into the markers of the statement, in order. kinds, when given, holds
  // one kind per value and types the Nulls; a Null without a kind is bound as text.
  // A marker is bound again only when its type changes or its value outgrows the
  // buffer, so that a statement run many times pays for binding once.
  void Bind(SQLHSTMT statement, TextMode mode, const std::vector<base::Variant>& values,
            const std::vector<ValueKind>* kinds);

 private:
  struct Buffer {
    std::string bytes;  // texts (UTF-8 or UTF-16 units) and byte arrays; its size is the capacity
    SQLINTEGER integer = 0;
    double number = 0;
    SQL_TIMESTAMP_STRUCT timestamp{};
    SQLLEN indicator = 0;
    SQLSMALLINT cType = 0;  // the binding in force; 0 before the first
    SQLSMALLINT sqlType = 0;
  };
  std::vector<Buffer> buffers_;
};

}  // namespace refhost::odbc
