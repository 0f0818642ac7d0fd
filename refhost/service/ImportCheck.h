#pragma once
// refhost::ImportCheck: checks batch-import lines against the master data and groups
// them into approval forms. Lines with equal accounting unit, supplier, start, end,
// payment method, remark and goods remark make one form; the host fills the channel
// (from the display item), the names, the supplier's contact and phone, and the
// amounts: receivable is the item's fee standard, a non-zero charged amount is kept and
// a zero one is receivable times the discount rate. One bad line refuses the import:
// every refused line is listed with its reasons and nothing is grouped.
#include <memory>
#include <string>
#include <vector>

#include "data/MemoryRecordset.h"
#include "data/Recordset.h"

namespace refhost {

class Database;

// The forms of an accepted import.
struct ImportForms {
  std::shared_ptr<data::MemoryRecordset> headers;  // one record per form
  std::shared_ptr<data::MemoryRecordset> details;  // one record per line, in form order
};

class ImportCheck {
 public:
  explicit ImportCheck(Database& database) : database_(database) {}

  // Checks and groups the lines; HostRefusal with one text per refusal
  // ("第N行：reason", N the line's number in the file) when any line is refused.
  ImportForms Run(data::Recordset& lines);

 private:
  Database& database_;
};

}  // namespace refhost
