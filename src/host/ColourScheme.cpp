#include "host/ColourScheme.h"

#include <string>
#include <vector>

#include "host/ColourOptions.h"
#include "host/ColourRules.h"

namespace host {
namespace {

// The scheme's keys with the defaults one variant of the theming gives them.
struct SchemeDefaults {
  const char* style;
  bool readsMenu;
};

void Apply(ui::Form* form, const SchemeDefaults& defaults, std::span<const ColourRule> rules) {
  // Every key is read before any is converted, and every conversion is done before
  // anything changes: a bad value leaves the form exactly as designed.
  const std::string style = ReadColourText("colorstyle", defaults.style);
  const std::string back = ReadColourText("backcolor", "15528176");
  const std::string line = ReadColourText("linecolor", "12349763");
  const std::string title = ReadColourText("titlecolor", "12349763");
  const std::string menu = defaults.readsMenu ? ReadColourText("menucolor", "65535") : "65535";
  const ui::Color on = ColourFromText("colorstyle", style);
  const Palette palette{ColourFromText("backcolor", back), ColourFromText("linecolor", line),
                        ColourFromText("titlecolor", title), ColourFromText("menucolor", menu)};
  if (on == 0 || form == nullptr) return;

  form->SetColor(palette.back);
  const std::vector<ui::Component*> owned = form->Components();
  for (ui::Component* component : owned)
    if (const ColourRule* rule = FindColourRule(rules, component->ClassName()))
      rule->apply(*component, palette, *form);
}

}  // namespace

void ApplyColourScheme(ui::Form* form) { Apply(form, {"1", true}, SchemeRules()); }

void ApplyFormColours(ui::Form* form) { Apply(form, {"0", false}, FormRules()); }

}  // namespace host
