#include "db/IniText.h"

#include "db/IniFile.h"

namespace db {

std::string ReadIniText(std::string_view fileName, std::string_view section, std::string_view key,
                        std::string_view directory, std::string_view defaultValue) {
  std::string path;
  if (directory.empty() || directory == "\\") {
    path = HostExecutableFolder();
  } else {
    path = directory;
    if (path.back() != '\\' && path.back() != '/') path += PathSeparator();
  }
  path += fileName;
  return ReadIniValue(path, section, key, defaultValue);
}

}  // namespace db
