#include "grid/ExclusionFilter.h"

#include "base/Text.h"
#include "data/Dataset.h"
#include "data/Field.h"
#include "db/SqlText.h"

namespace grid {

// The matching records are read straight from the filtered view: walking them with
// the cursor would fire the screen's scroll events once per record.
std::string BuildExclusionText(data::Dataset& dataset, const std::string& excludeFilter,
                               const std::string& excludeField) {
  dataset.SetFiltered(false);
  dataset.SetFilter(excludeFilter);
  dataset.SetFiltered(true);
  const data::Field& field = dataset.FieldByName(excludeField);
  std::string text;
  for (std::uint32_t row : dataset.ViewRows()) {
    if (!text.empty()) text += " and ";
    text += excludeField;
    text += "<>";
    text += db::QuotedStr(field.AsStringAt(row));
  }
  dataset.SetFiltered(false);
  return text.empty() ? text : " and (" + text + ")";
}

void ApplyConditionFilter(data::Dataset& dataset, const std::string& condition,
                          const std::string& excludeFilter, const std::string& excludeField) {
  dataset.DisableControls();
  try {
    std::string exclusion;
    if (!base::Trim(excludeFilter).empty()) {
      exclusion = BuildExclusionText(dataset, excludeFilter, excludeField);
    }
    dataset.SetFiltered(false);
    dataset.SetFilter(base::Trim(condition) + exclusion);
    dataset.SetFiltered(true);
  } catch (...) {
    dataset.SetFiltered(false);
    dataset.EnableControls();
    throw;
  }
  dataset.EnableControls();
}

}  // namespace grid
