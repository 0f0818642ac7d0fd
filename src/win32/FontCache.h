#pragma once
// win32::FontCache: one HFONT per distinct ui::Font, shared by every window that
// uses it and deleted when the cache is cleared.
#include "win32/WindowsApi.h"

#include <map>
#include <tuple>

namespace win32 {

class FontCache {
 public:
  FontCache() = default;
  ~FontCache() { Clear(); }
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The font for `font` (face, pixel height, character set, style).
  HFONT Get(const ui::Font& font);
  void Clear();

 private:
  using Key = std::tuple<std::string, int, int, bool, bool, bool>;
  std::map<Key, HFONT> fonts_;
};

// A model colour (RGB or system colour) as a COLORREF.
COLORREF ToColorRef(ui::Color color);

}  // namespace win32
