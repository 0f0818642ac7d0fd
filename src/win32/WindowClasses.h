#pragma once
// Our window classes: registered on first use under the names we give them (the
// component class names, "TPanel", "TFrmFldAuto", as Spy++ shows for the forms'
// platform too), unregistered when the library unloads so that a later load at
// another address starts afresh.
#include "win32/WindowsApi.h"

#include <string>

namespace win32 {

// The module our windows belong to (the DLL, or the test program it is linked into).
HINSTANCE ModuleInstance();
// Registers `name` with `procedure` unless done already.
void EnsureWindowClass(const std::wstring& name, WNDPROC procedure);
// Unregisters every class registered by EnsureWindowClass.
void UnregisterWindowClasses();

}  // namespace win32
