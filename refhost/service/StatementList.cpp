#include "refhost/service/StatementList.h"

#include "base/Text.h"
#include "refhost/service/HostRefusal.h"

namespace refhost {

namespace {

void AddStatement(std::vector<std::string>& statements, std::string_view text) {
  std::string statement = base::Trim(text);
  if (!statement.empty()) statements.push_back(std::move(statement));
}

}  // namespace

std::vector<std::string> SplitStatements(std::string_view text) {
  std::vector<std::string> statements;
  bool inLiteral = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\'') inLiteral = !inLiteral;  // a doubled quote toggles twice
    if (text[i] == ';' && !inLiteral) {
      AddStatement(statements, text.substr(start, i - start));
      start = i + 1;
    }
  }
  AddStatement(statements, text.substr(start));
  return statements;
}

std::vector<std::string> StatementsOf(const base::Variant& data) {
  if (data.GetType() == base::Variant::Type::Text) return SplitStatements(data.ToText());
  if (!data.IsArray()) throw HostRefusal(std::string("要执行的语句应为文本或文本数组，收到") + data.TypeName());
  std::vector<std::string> statements;
  for (const base::Variant& item : data.Array().items) {
    if (item.GetType() != base::Variant::Type::Text && !item.IsEmptyOrNull())
      throw HostRefusal(std::string("语句数组中有非文本的值：") + item.TypeName());
    AddStatement(statements, item.ToTextOrEmpty());
  }
  return statements;
}

}  // namespace refhost
