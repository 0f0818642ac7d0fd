#include "win32/HostCallError.h"

#include "win32/WindowsApi.h"

#include <cstdio>

#include "win32/WideText.h"

namespace win32 {
namespace {

std::string TakeBstr(BSTR& text) {
  std::string out = text ? Utf8(std::wstring_view(text, SysStringLen(text))) : std::string();
  SysFreeString(text);
  text = nullptr;
  return out;
}

std::string Describe(std::int32_t dispid, HRESULT result, EXCEPINFO& exception) {
  // A server may defer filling the exception until asked.
  if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
  const std::string source = TakeBstr(exception.bstrSource);
  const std::string description = TakeBstr(exception.bstrDescription);
  TakeBstr(exception.bstrHelpFile);
  char code[64];
  std::snprintf(code, sizeof code, "调用宿主方法 %ld 失败 (0x%08lX)", static_cast<long>(dispid),
                static_cast<unsigned long>(result));
  std::string text = code;
  if (!description.empty()) text += ": " + description;
  if (!source.empty()) text += " [" + source + "]";
  return text;
}

}  // namespace

HostCallError::HostCallError(std::int32_t dispid, HRESULT result, EXCEPINFO& exception)
    : std::runtime_error(Describe(dispid, result, exception)), result_(result) {}

}  // namespace win32
