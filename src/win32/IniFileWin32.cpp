// The ini seam on Windows: the system's own ini reader and the host program's path.
#include <windows.h>

#include <string>

#include "base/Text.h"
#include "db/IniFile.h"

namespace db {
namespace {

std::wstring Wide(std::string_view utf8) {
  const std::u16string wide = base::Utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

std::string Utf8(const wchar_t* wide, std::size_t length) {
  return base::Utf16ToUtf8(std::u16string(wide, wide + length));
}

}  // namespace

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
  const std::wstring widePath = Wide(path);
  const std::wstring wideSection = Wide(section);
  const std::wstring wideKey = Wide(key);
  const std::wstring wideDefault = Wide(defaultValue);
  // The call reports a value cut to the buffer by returning size - 1: grow and retry.
  for (DWORD size = 256;; size *= 2) {
    std::wstring buffer(size, L'\0');
    const DWORD length =
        GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                 buffer.data(), size, widePath.c_str());
    if (length < size - 1 || size >= (1u << 20)) return Utf8(buffer.data(), length);
  }
}

std::string HostExecutableFolder() {
  for (DWORD size = MAX_PATH;; size *= 2) {
    std::wstring buffer(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return ".\\";
    if (length < size) {
      buffer.resize(length);
      return Utf8(buffer.data(), buffer.rfind(L'\\') + 1);
    }
  }
}

char PathSeparator() { return '\\'; }

}  // namespace db
