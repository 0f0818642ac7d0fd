#pragma once
// UTF-8 text to and from the UTF-16 strings of the Win32 API, at the call site only.
#include <string>
#include <string_view>

namespace win32 {

// UTF-8 to a UTF-16 wide string for a Win32 call.
std::wstring Wide(std::string_view utf8);
// A UTF-16 wide string from a Win32 call to UTF-8.
std::string Utf8(std::wstring_view wide);

}  // namespace win32
