#pragma once
// Questions the scripted run asks about the screens' windows: the state the library
// left behind, read through the ordinary Win32 API as any host could.
#include <windows.h>

#include <string>
#include <vector>

namespace refhost {

// The font a window draws with (WM_GETFONT), as its LOGFONT says.
struct WindowFont {
  std::string face;  // UTF-8
  int height = 0;    // LOGFONT height: negative for the character height in pixels
  int charset = 0;
};

// Every window below `root`, depth first.
std::vector<HWND> Descendants(HWND root);
// The direct child windows of `parent`.
std::vector<HWND> Children(HWND parent);
// A window's text in UTF-8.
std::string WindowText(HWND window);
// The first window below `root` whose text is `text`, or null.
HWND FindByText(HWND root, const std::string& text);
// Width and height of a window's outer rectangle.
SIZE WindowSize(HWND window);
// Width and height of a window's client area.
SIZE ClientSize(HWND window);
// The font of `window`; face empty when it uses the system font.
WindowFont FontOf(HWND window);
// Whether the font of `window` has a glyph for every character of `text` (UTF-8).
bool FontHasGlyphs(HWND window, const std::string& text);
// The visible top-level windows of the current thread.
std::vector<HWND> ThreadWindows();
// A window's class name in UTF-8 ("#32770" for a dialog box).
std::string ClassName(HWND window);

}  // namespace refhost
