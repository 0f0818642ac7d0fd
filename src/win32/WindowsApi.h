#pragma once
// <windows.h> and the COM headers for the platform layer. The component model uses
// the Windows names for its constants (MB_OK, IDOK, GB2312_CHARSET) and calls two of
// its backend methods MessageBox and SendMessage; <windows.h> defines all of these as
// macros. So the portable headers are read first, and the two function-name macros
// are dropped again: platform code calls MessageBoxW and SendMessageW by name.
#include "ui/Backend.h"
#include "ui/Types.h"

#include <windows.h>
#include <ole2.h>
#include <oaidl.h>
#include <oleauto.h>

#undef MessageBox
#undef SendMessage
