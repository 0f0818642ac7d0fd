#include "db/HostValues.h"

#include <exception>

#include "data/MemoryRecordset.h"
#include "ui/Backend.h"

namespace db {

std::string ShowHostErrors(ui::WindowHandle owner, const base::Variant& errors,
                           const std::string& heading) {
  static const std::string kLineBreak = "\r\n";
  std::string text = heading.empty() ? std::string() : heading + kLineBreak;
  try {
    const base::VariantArray& list = errors.Array();
    for (const base::Variant& item : list.items) {
      const std::string line = item.ToText();
      text += line + kLineBreak;
    }
  } catch (const std::exception&) {
    text += "未知错误！" + kLineBreak;
  }
  if (text.size() >= kLineBreak.size()) text.resize(text.size() - kLineBreak.size());
  if (owner != 0) ui::CurrentBackend().MessageBox(owner, text, "错误", ui::MB_OK | ui::MB_ICONERROR);
  return text;
}

void DetachRecordset(data::Recordset& source, base::Variant& out) {
  try {
    std::vector<data::RecordsetField> fields = source.Fields();
    source.MoveFirst();
    auto copy = std::make_shared<data::MemoryRecordset>(std::move(fields), source.GetRows());
    out = base::Variant(std::shared_ptr<base::VariantObject>(std::move(copy)));
  } catch (const std::exception&) {
    out = base::Variant(base::Null{});
  }
  try {
    source.Close();
  } catch (const std::exception&) {
    // Closing a recordset that failed to read may fail too; the copy is what counts.
  }
}

std::shared_ptr<data::Recordset> RecordsetFromVariant(const base::Variant& value) {
  auto recordset = value.ObjectAs<data::Recordset>();
  if (recordset == nullptr)
    throw base::VariantError(std::string("Could not convert variant of type (") +
                             value.TypeName() + ") into type (Recordset)");
  return recordset;
}

void ListToVariantArray(const std::vector<std::string>& lines, base::Variant& out) {
  if (lines.empty()) {
    out = base::Variant();
    return;
  }
  std::vector<base::Variant> items(lines.begin(), lines.end());
  out = base::Variant::ArrayOf(std::move(items));
}

}  // namespace db
