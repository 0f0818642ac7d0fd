#pragma once
// Colour theming: a form designed in the fixed palette (background 14614267, lines
// and borders clGreen, green label fonts) takes the colours of the host's scheme
// (host/ColourOptions.h). Each component the form owns is recoloured by the rule for
// its own class name (upper case, exact: a class never takes its ancestor's rule), in
// the order of the form's component list.
//
// A scheme value that is not a whole number stops the theming with an error naming it
// before anything has changed. An error while setting a shape's pen is ignored; any
// other error stops the walk, the components handled so far staying recoloured.
// Choices made here: the tree's colour that takes 16244694 is its selected-node
// background; ApplyFormColours, like ApplyColourScheme, does nothing without a form.
#include "ui/Form.h"

namespace host {

// Recolours `form` and the components it owns with the full rule table; nothing when
// the scheme switch "colorstyle" (default 1) is 0 or there is no form.
void ApplyColourScheme(ui::Form* form);

// The same with the short rule table (shapes, list views, labels, flat buttons); the
// switch defaults to 0 here, so a host without the ini file leaves the form as it is.
void ApplyFormColours(ui::Form* form);

}  // namespace host
