// The library does nothing when it is loaded. When the host frees it, the host
// context lets go of the host's data service, and the backend frees the screens
// still open and unregisters its window classes; at process exit nothing is
// touched, since the host's windows and objects may already be gone.
#include "win32/WindowsApi.h"

#include "host/Exports.h"
#include "win32/Win32Backend.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    try {
      host::ReleaseHostContext();
      win32::Win32Backend::Shutdown();
    } catch (...) {
      // Nothing may be shown under the loader lock; leave a trace for a debugger.
      OutputDebugStringW(L"FeeScreens: releasing the host context failed\n");
    }
  }
  return TRUE;
}
