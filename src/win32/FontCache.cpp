#include "win32/FontCache.h"

#include "win32/WideText.h"

namespace win32 {

HFONT FontCache::Get(const ui::Font& font) {
  const Key key{font.name, font.height, font.charset, font.bold, font.italic, font.underline};
  if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  HFONT handle = CreateFontW(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                             font.italic ? TRUE : FALSE, font.underline ? TRUE : FALSE, FALSE,
                             static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             Wide(font.name).c_str());
  if (handle == nullptr) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, handle);
  return handle;
}

void FontCache::Clear() {
  for (const auto& [key, handle] : fonts_) DeleteObject(handle);  // stock objects ignore it
  fonts_.clear();
}

COLORREF ToColorRef(ui::Color color) {
  if (ui::IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace win32
