// The ini seam for the native build: our own reader, and /proc/self/exe for the
// program's folder.
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "db/IniFile.h"
#include "db/IniParser.h"

namespace db {

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::string(defaultValue);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return FindIniValue(IniBytesToUtf8(bytes), section, key).value_or(std::string(defaultValue));
}

std::string HostExecutableFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0) return "./";
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

char PathSeparator() { return '/'; }

}  // namespace db
