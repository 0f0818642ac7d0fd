#include "win32/WindowClasses.h"

#include <set>
#include <stdexcept>

// The linker's symbol at the start of the module this code is linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace win32 {
namespace {

std::set<std::wstring>& Registered() {
  static std::set<std::wstring> names;
  return names;
}

}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void EnsureWindowClass(const std::wstring& name, WNDPROC procedure) {
  if (Registered().count(name) != 0) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ModuleInstance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name.c_str();
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("cannot register a window class");
  }
  Registered().insert(name);
}

void UnregisterWindowClasses() {
  for (const std::wstring& name : Registered()) UnregisterClassW(name.c_str(), ModuleInstance());
  Registered().clear();
}

}  // namespace win32
