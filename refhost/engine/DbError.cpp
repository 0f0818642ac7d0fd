#include "refhost/engine/DbError.h"

namespace refhost {

namespace {

std::string Describe(const std::string& context, const std::vector<DiagRecord>& records) {
  std::string text = context;
  for (const DiagRecord& record : records) {
    text += text.empty() ? "" : "\n";
    text += record.message;
    if (!record.sqlState.empty()) text += " (SQLSTATE " + record.sqlState + ")";
  }
  return text;
}

}  // namespace

DbError::DbError(const std::string& context, std::vector<DiagRecord> records)
    : std::runtime_error(Describe(context, records)),
      context_(context),
      records_(std::move(records)) {}

std::vector<std::string> DbError::Messages() const {
  std::vector<std::string> messages;
  for (const DiagRecord& record : records_) messages.push_back(record.message);
  if (messages.empty()) messages.push_back(context_);
  return messages;
}

}  // namespace refhost
