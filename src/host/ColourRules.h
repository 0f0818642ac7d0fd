#pragma once
// The rule tables of colour theming (host/ColourScheme.h): for each class name, what
// its components become in the scheme's colours.
#include <span>
#include <string_view>

#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/Types.h"

namespace host {

// The scheme's colours: back B, line L, title T and menu M.
struct Palette {
  ui::Color back;
  ui::Color line;
  ui::Color title;
  ui::Color menu;
};

// One rule: recolours a component of the class `className` (upper case) owned by `form`.
struct ColourRule {
  std::string_view className;
  void (*apply)(ui::Component& component, const Palette& palette, ui::Form& form);
};

// The full table, used by ApplyColourScheme.
std::span<const ColourRule> SchemeRules();
// The short table, used by ApplyFormColours.
std::span<const ColourRule> FormRules();

// The rule of `rules` for a class name (matched in upper case), or null.
const ColourRule* FindColourRule(std::span<const ColourRule> rules, std::string_view className);

}  // namespace host
