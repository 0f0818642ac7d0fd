#include "grid/WrappedText.h"

#include <algorithm>
#include <string>
#include <vector>

#include "grid/DialogUnits.h"
#include "ui/Backend.h"

namespace grid {
namespace {

// The pieces a line may break between: a word of ASCII letters, one blank, one tab or
// one character outside ASCII.
std::vector<std::string_view> Pieces(std::string_view line) {
  std::vector<std::string_view> pieces;
  std::size_t i = 0;
  while (i < line.size()) {
    const auto byte = static_cast<unsigned char>(line[i]);
    std::size_t end = i + 1;
    if (byte >= 0x80) {
      while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) ++end;
    } else if (byte != ' ' && byte != '\t') {
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' &&
             static_cast<unsigned char>(line[end]) < 0x80)
        ++end;
    }
    pieces.push_back(line.substr(i, end - i));
    i = end;
  }
  return pieces;
}

std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    paragraphs.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return paragraphs;
}

}  // namespace

ui::Size MeasureWrappedText(const ui::Font& font, std::string_view text, int maxWidth) {
  ui::Backend& backend = ui::CurrentBackend();
  const int tabStop = 8 * MeasureDialogUnits(font).charWidth;
  const int lineHeight = backend.TextExtent(font, "Ag").height;
  int widest = 0;
  int lines = 0;
  for (std::string_view paragraph : Paragraphs(text)) {
    int x = 0;      // where the next piece starts
    int inked = 0;  // the line's width without trailing blanks
    bool wrapped = false;
    ++lines;
    for (std::string_view piece : Pieces(paragraph)) {
      const bool blank = piece == " " || piece == "\t";
      if (blank && x == 0 && wrapped) continue;  // a wrapped line starts with its next word
      const int width = piece == "\t" ? tabStop - x % std::max(tabStop, 1)
                                      : backend.TextExtent(font, std::string(piece)).width;
      if (!blank && x > 0 && x + width > maxWidth) {
        widest = std::max(widest, inked);
        ++lines;
        x = 0;
        wrapped = true;
      }
      x += width;
      if (!blank) inked = x;
    }
    widest = std::max(widest, inked);
  }
  return {widest, lines * lineHeight};
}

}  // namespace grid
