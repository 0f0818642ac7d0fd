#include "grid/DialogUnits.h"

#include <cstdint>

#include "ui/Backend.h"

namespace grid {

int MulDiv(int n, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(n) * numerator;
  const std::int64_t half = denominator / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t magnitude =
      ((product < 0 ? -product : product) + (half < 0 ? -half : half)) /
      (denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogUnits MeasureDialogUnits(const ui::Font& font) {
  const ui::Size letters = ui::CurrentBackend().TextExtent(
      font, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {letters.width / 52, letters.height};
}

}  // namespace grid
