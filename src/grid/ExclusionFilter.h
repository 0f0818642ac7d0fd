#pragma once
// The filter that a filter dialog leaves on a grid's dataset. A 部分不等于 (does not
// contain) condition arrives as an always-true placeholder in the condition text plus
// a LIKE filter of the records to exclude; those records' values become an explicit
// list of inequalities appended to the condition.
#include <string>

namespace data {
class Dataset;
}

namespace grid {

// Filters the dataset with `excludeFilter` and lists its records' values of
// `excludeField` as " and (f<>'A1' and f<>'BA')"; empty when no record matches. Single
// quotes inside a value are doubled. Leaves the dataset's filtering off.
std::string BuildExclusionText(data::Dataset& dataset, const std::string& excludeFilter,
                               const std::string& excludeField);

// Sets the dataset's filter to the trimmed condition followed by the exclusion text
// (when `excludeFilter` is not blank) and switches filtering on. A filter the dataset
// refuses raises and leaves filtering off.
void ApplyConditionFilter(data::Dataset& dataset, const std::string& condition,
                          const std::string& excludeFilter, const std::string& excludeField);

}  // namespace grid
