#pragma once
// The colours the themed dialogs share for the life of the library: a back colour
// (14614267 until a dialog reads the host's scheme) and the line colour of their
// borders (clGreen). The message dialog refreshes the back colour every time; the
// input and choice dialogs refresh both only when their own scheme switch is on, and
// otherwise keep what an earlier dialog left.
#include <string_view>

#include "ui/Types.h"

namespace grid {

struct DialogColours {
  ui::Color back = 14614267;
  ui::Color line = ui::clGreen;
};

// The shared colours.
DialogColours& SharedDialogColours();

// Before a message dialog: the back colour from the scheme's "backcolor" (default
// 15528176). A value that is not a whole number is an error naming it.
void RefreshMessageColours();

// Before an input or choice dialog: when the scheme's `switchKey` ("colorstyle" or
// "style", default "0") holds anything but "0", the line and back colours from
// "linecolor" and "backcolor" (defaults 12349763 and 15528176).
void RefreshQueryColours(std::string_view switchKey);

}  // namespace grid
