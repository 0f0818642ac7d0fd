#include "refhost/TempDir.h"

#include <stdlib.h>

#include <stdexcept>

namespace refhost::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "feehost-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace refhost::test
