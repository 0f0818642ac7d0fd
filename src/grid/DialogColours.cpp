#include "grid/DialogColours.h"

#include <string>

#include "host/ColourOptions.h"

namespace grid {

DialogColours& SharedDialogColours() {
  static DialogColours colours;
  return colours;
}

void RefreshMessageColours() {
  const std::string back = host::ReadColourText("backcolor", "15528176");
  SharedDialogColours().back = host::ColourFromText("backcolor", back);
}

void RefreshQueryColours(std::string_view switchKey) {
  if (host::ReadColourText(switchKey, "0") == "0") return;
  const std::string line = host::ReadColourText("linecolor", "12349763");
  const std::string back = host::ReadColourText("backcolor", "15528176");
  const DialogColours fresh{host::ColourFromText("backcolor", back),
                            host::ColourFromText("linecolor", line)};
  SharedDialogColours() = fresh;
}

}  // namespace grid
