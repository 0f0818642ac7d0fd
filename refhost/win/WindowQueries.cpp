#include "refhost/win/WindowQueries.h"

#include "win32/WideText.h"

namespace refhost {
namespace {

void CollectDescendants(HWND parent, std::vector<HWND>& out) {
  for (HWND child : Children(parent)) {
    out.push_back(child);
    CollectDescendants(child, out);
  }
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::vector<HWND> Descendants(HWND root) {
  std::vector<HWND> out;
  CollectDescendants(root, out);
  return out;
}

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return win32::Utf8(text);
}

HWND FindByText(HWND root, const std::string& text) {
  for (HWND window : Descendants(root)) {
    if (WindowText(window) == text) return window;
  }
  return nullptr;
}

SIZE WindowSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

WindowFont FontOf(HWND window) {
  WindowFont font;
  auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW logFont{};
  if (handle != nullptr && GetObjectW(handle, sizeof logFont, &logFont) == sizeof logFont) {
    font.face = win32::Utf8(logFont.lfFaceName);
    font.height = logFont.lfHeight;
    font.charset = logFont.lfCharSet;
  }
  return font;
}

bool FontHasGlyphs(HWND window, const std::string& text) {
  const std::wstring wide = win32::Wide(text);
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  HDC dc = GetDC(window);
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  std::vector<WORD> glyphs(wide.size());
  const DWORD converted = GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()),
                                           glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(window, dc);
  if (converted != wide.size()) return false;
  for (WORD glyph : glyphs) {
    if (glyph == 0xFFFF) return false;
  }
  return true;
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return win32::Utf8(name);
}

}  // namespace refhost
