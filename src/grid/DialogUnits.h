#pragma once
// Dialog units: the themed dialogs place everything in multiples of the dialog font's
// average character width (x in quarters of it) and height (y in eighths), so that
// they grow with the font as the platform's own dialogs do.
#include "ui/Types.h"

namespace grid {

// n * numerator / denominator, rounded to the nearest whole number (halves away from
// zero), as the platform computes dialog geometry.
int MulDiv(int n, int numerator, int denominator);

struct DialogUnits {
  int charWidth;   // the average width of the 52 letters A-Z and a-z
  int charHeight;  // their height

  // `quarters` quarter-widths, in pixels.
  int X(int quarters) const { return MulDiv(quarters, charWidth, 4); }
  // `eighths` eighth-heights, in pixels.
  int Y(int eighths) const { return MulDiv(eighths, charHeight, 8); }
};

// The dialog units of `font`, measured by the current backend.
DialogUnits MeasureDialogUnits(const ui::Font& font);

}  // namespace grid
