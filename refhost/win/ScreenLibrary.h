#pragma once
// ScreenLibrary: FeeScreens.dll loaded at run time, as the real host loads it, with
// its three entry points looked up by their plain names.
#include <windows.h>
#include <oaidl.h>

#include <array>
#include <string>

#include "win32/FeeScreens.h"

namespace refhost {

// One entry point: its export name and the caption of the screen it opens (UTF-8).
struct ScreenEntryInfo {
  const char* exportName;
  const char* caption;
};

inline constexpr std::array<ScreenEntryInfo, 3> kScreenEntries{{
    {"GetFormOne", "审批表自动生成"},
    {"GetFormImp", "审批表成批导入"},
    {"GetFormExp", "付款单自动生成"},
}};

class ScreenLibrary {
 public:
  // Loads the library at `path`; throws std::runtime_error when it or an entry is missing.
  explicit ScreenLibrary(const std::wstring& path);
  ~ScreenLibrary();
  ScreenLibrary(const ScreenLibrary&) = delete;
  ScreenLibrary& operator=(const ScreenLibrary&) = delete;

  // Calls entry `index` of kScreenEntries with the operator text as a short string.
  void Open(std::size_t index, HWND hostWindow, const std::string& operatorText, HWND hostPanel,
            IDispatch* service) const;
  // Frees the library (its screens must be closed); later calls to Open fail.
  void Unload();

 private:
  HMODULE module_ = nullptr;
  std::array<FeeScreensEntry, kScreenEntries.size()> entries_{};
};

}  // namespace refhost
