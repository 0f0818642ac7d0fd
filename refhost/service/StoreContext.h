#pragma once
// refhost::StoreContext: what a store call knows besides its data: the host's today
// and the logged-on operator.
#include <string>

namespace refhost {

struct StoreContext {
  std::string today;         // "YYYYMMDD", the date the numbers begin with
  std::string operatorCode;  // signs the document when the data carries no operator
  std::string operatorName;
};

}  // namespace refhost
