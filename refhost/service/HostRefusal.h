#pragma once
// refhost::HostRefusal: a host call refused for reasons a user reads; the texts go
// back to the library as the call's error list.
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Variant.h"

namespace refhost {

class DbError;

class HostRefusal : public std::runtime_error {
 public:
  // One or more message texts, the first one also being what().
  explicit HostRefusal(std::vector<std::string> texts);
  explicit HostRefusal(const std::string& text) : HostRefusal(std::vector<std::string>{text}) {}
  // A refused statement: the heading, then the database's own messages.
  HostRefusal(const std::string& heading, const DbError& error);

  const std::vector<std::string>& Texts() const { return texts_; }
  // The texts as the array Variant the library's error display reads.
  base::Variant ToVariant() const;

 private:
  std::vector<std::string> texts_;
};

}  // namespace refhost
