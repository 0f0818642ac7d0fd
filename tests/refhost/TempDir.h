#pragma once
// A directory of its own for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

namespace refhost::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory.
  const std::filesystem::path& Path() const { return path_; }
  // A path for a file in it.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace refhost::test
