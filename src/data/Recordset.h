#pragma once
// data::Recordset: a result set as the host hands it over, read the way an ADO
// recordset is read (fields with name, type and defined size; a cursor with EOF,
// MoveFirst, MoveNext; GetRows for everything at once). On Windows the host's ADO
// object is read through late binding behind this interface; here and in tests it
// is our own MemoryRecordset.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Variant.h"

namespace data {

// ADO's DataTypeEnum values that the host's recordsets carry.
enum AdoType : int {
  adEmpty = 0,
  adSmallInt = 2,
  adInteger = 3,
  adSingle = 4,
  adDouble = 5,
  adCurrency = 6,
  adDate = 7,
  adBSTR = 8,
  adBoolean = 11,
  adDecimal = 14,
  adTinyInt = 16,
  adUnsignedTinyInt = 17,
  adUnsignedSmallInt = 18,
  adUnsignedInt = 19,
  adBigInt = 20,
  adNumeric = 131,
  adChar = 129,
  adWChar = 130,
  adDBDate = 133,
  adDBTimeStamp = 135,
  adVarChar = 200,
  adLongVarChar = 201,
  adVarWChar = 202,
  adLongVarWChar = 203,
};

struct RecordsetField {
  std::string name;
  int type = adVarChar;  // AdoType
  int definedSize = 0;   // characters for texts
  friend bool operator==(const RecordsetField&, const RecordsetField&) = default;
};

class Recordset : public base::VariantObject {
 public:
  virtual std::vector<RecordsetField> Fields() = 0;
  virtual bool Eof() = 0;
  // Goes to the first record; on an empty set it does nothing (EOF stays true).
  virtual void MoveFirst() = 0;
  virtual void MoveNext() = 0;
  // The current record's value of field `index` (Null for a database null).
  virtual base::Variant Value(int index) = 0;
  // The rows from the current one to the end, one vector of values per row; the
  // cursor ends at EOF. Sources that can read them in one call override it.
  virtual std::vector<std::vector<base::Variant>> GetRows();
  virtual void Close() = 0;
};

}  // namespace data
