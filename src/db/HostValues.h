#pragma once
// Moving the host data service's values around: its error lists shown to the user,
// recordsets taken out of Variants or detached into standalone ones, and string
// lists turned into statement arrays for a batch call.
#include <memory>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "data/Recordset.h"
#include "ui/WindowHandle.h"

namespace db {

// Joins the host's error texts (one per line, after `heading` when it is not empty)
// and shows them in an error box owned by `owner` when it is not 0. An error list
// that cannot be read becomes "未知错误！". Never fails; returns the text.
std::string ShowHostErrors(ui::WindowHandle owner, const base::Variant& errors,
                           const std::string& heading);

// A standalone copy of `source`'s rows in `out`, then closes `source`. On failure
// `out` is Null (the host then answers with its own error) and `source` is closed.
void DetachRecordset(data::Recordset& source, base::Variant& out);

// The recordset a Variant holds; base::VariantError when it holds none.
std::shared_ptr<data::Recordset> RecordsetFromVariant(const base::Variant& value);

// The lines as a Variant array with bounds 0 .. n-1; Empty for no lines.
void ListToVariantArray(const std::vector<std::string>& lines, base::Variant& out);

}  // namespace db
