#include "refhost/engine/Transaction.h"

#include "refhost/engine/Database.h"
#include "refhost/engine/DbError.h"

namespace refhost {

Transaction::Transaction(Database& database) : database_(database) { database_.Begin(); }

Transaction::~Transaction() {
  if (!open_) return;
  try {
    database_.Rollback();
  } catch (const DbError&) {
    // Already unwinding from the failure that matters; the server drops the
    // transaction when the connection closes.
  }
}

void Transaction::Commit() {
  open_ = false;
  database_.Commit();
}

}  // namespace refhost
