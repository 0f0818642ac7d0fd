#include "refhost/win/ScreenLibrary.h"

#include <stdexcept>

#include "base/Text.h"
#include "win32/WideText.h"

namespace refhost {
namespace {

// The host's short string: a length byte, then at most 255 ANSI bytes.
std::basic_string<unsigned char> ShortString(const std::string& utf8) {
  const std::string ansi = base::CutAnsiBytes(base::Utf8ToAnsi(utf8), 255);
  std::basic_string<unsigned char> out(1, static_cast<unsigned char>(ansi.size()));
  out.append(ansi.begin(), ansi.end());
  return out;
}

}  // namespace

ScreenLibrary::ScreenLibrary(const std::wstring& path) {
  module_ = LoadLibraryW(path.c_str());
  if (module_ == nullptr) {
    throw std::runtime_error("cannot load " + win32::Utf8(path) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  for (std::size_t i = 0; i < kScreenEntries.size(); ++i) {
    FARPROC address = GetProcAddress(module_, kScreenEntries[i].exportName);
    if (address == nullptr) {
      FreeLibrary(module_);
      throw std::runtime_error(std::string("no export ") + kScreenEntries[i].exportName);
    }
    // GetProcAddress knows no types: the one place where an entry point gets its own
    // (through void(*)(), the type for "some function" that the compiler expects here).
    entries_[i] = reinterpret_cast<FeeScreensEntry>(reinterpret_cast<void (*)()>(address));
  }
}

ScreenLibrary::~ScreenLibrary() { Unload(); }

void ScreenLibrary::Open(std::size_t index, HWND hostWindow, const std::string& operatorText,
                         HWND hostPanel, IDispatch* service) const {
  if (module_ == nullptr) throw std::runtime_error("FeeScreens.dll is not loaded");
  const std::basic_string<unsigned char> shortString = ShortString(operatorText);
  entries_.at(index)(0, hostWindow, shortString.c_str(), hostPanel, service);
}

void ScreenLibrary::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  entries_ = {};
}

}  // namespace refhost
