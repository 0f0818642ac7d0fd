#include "ui/Edit.h"

#include "base/Text.h"

namespace ui {

void Edit::SetText(const std::string& text) {
  const std::string limited =
      MaxLength > 0 ? base::CutToAnsiBytes(text, static_cast<std::size_t>(MaxLength)) : text;
  if (limited == Caption()) return;
  SetCaption(limited);
  if (OnChange) RunEvent([&] { OnChange(*this); });
}

}  // namespace ui
