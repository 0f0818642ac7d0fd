// The exported entry points. Each is an exception firewall: whatever goes wrong is
// shown to the user in an error box and never unwinds into the host.
// The platform header comes first: it reads the portable headers before <windows.h>.
#include "win32/WindowsApi.h"

#include "win32/FeeScreens.h"

#include <exception>
#include <memory>
#include <string>

#include "base/Text.h"
#include "host/Exports.h"
#include "win32/DispatchAdapter.h"
#include "win32/WideText.h"
#include "win32/Win32Backend.h"
#include "win32/WindowHandles.h"

namespace win32 {
namespace {

void ShowExportError(HWND owner, const std::string& text) noexcept {
  try {
    MessageBoxW(owner, Wide(text).c_str(), L"错误", MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxW(owner, L"内存不足", L"错误", MB_OK | MB_ICONERROR);
  }
}

void OpenScreen(host::ScreenKind kind, HWND hostWindow, const unsigned char* operatorShortString,
                HWND hostPanel, IDispatch* hostService) noexcept {
  try {
    Win32Backend::Install();
    // The adapter's reference covers the call; the host context keeps its own copy.
    std::shared_ptr<host::HostDispatch> service;
    if (hostService != nullptr) service = std::make_shared<DispatchAdapter>(hostService);
    host::OpenScreen(kind, ToHandle(hostWindow), base::ShortStringToText(operatorShortString),
                     ToHandle(hostPanel), std::move(service));
  } catch (const std::exception& error) {
    ShowExportError(hostWindow, error.what());
  } catch (...) {
    ShowExportError(hostWindow, "未知错误");
  }
}

}  // namespace
}  // namespace win32

extern "C" {

void __stdcall GetFormOne(int, HWND hostWindow, const unsigned char* operatorShortString,
                          HWND hostPanel, IDispatch* hostService) {
  win32::OpenScreen(host::ScreenKind::FldAuto, hostWindow, operatorShortString, hostPanel,
                    hostService);
}

void __stdcall GetFormImp(int, HWND hostWindow, const unsigned char* operatorShortString,
                          HWND hostPanel, IDispatch* hostService) {
  win32::OpenScreen(host::ScreenKind::Import, hostWindow, operatorShortString, hostPanel,
                    hostService);
}

void __stdcall GetFormExp(int, HWND hostWindow, const unsigned char* operatorShortString,
                          HWND hostPanel, IDispatch* hostService) {
  win32::OpenScreen(host::ScreenKind::Export, hostWindow, operatorShortString, hostPanel,
                    hostService);
}

}  // extern "C"
