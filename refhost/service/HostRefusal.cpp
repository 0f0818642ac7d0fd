#include "refhost/service/HostRefusal.h"

#include "refhost/engine/DbError.h"

namespace refhost {

namespace {

std::vector<std::string> WithMessages(const std::string& heading, const DbError& error) {
  std::vector<std::string> texts{heading};
  for (const std::string& message : error.Messages()) texts.push_back(message);
  return texts;
}

}  // namespace

HostRefusal::HostRefusal(std::vector<std::string> texts)
    : std::runtime_error(texts.empty() ? std::string() : texts.front()), texts_(std::move(texts)) {}

HostRefusal::HostRefusal(const std::string& heading, const DbError& error)
    : HostRefusal(WithMessages(heading, error)) {}

base::Variant HostRefusal::ToVariant() const {
  std::vector<base::Variant> items(texts_.begin(), texts_.end());
  return base::Variant::ArrayOf(std::move(items));
}

}  // namespace refhost
