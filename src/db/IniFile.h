#pragma once
// The platform seam under ReadIniText: reading one ini value and finding the running
// program's folder. Windows asks the system (IniFileWin32.cpp); the native build reads
// the file itself (IniFileNative.cpp). Paths and values are UTF-8.
#include <string>
#include <string_view>

namespace db {

// The value of `key` in `section` of the ini file at `path`, or `defaultValue` when
// the file, section or key is missing.
std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view defaultValue);

// The folder of the running program's executable, ending with its separator.
std::string HostExecutableFolder();

// The separator between a folder and a file name on this platform.
char PathSeparator();

}  // namespace db
