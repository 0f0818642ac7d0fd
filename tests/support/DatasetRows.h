#pragma once
// Loads rows of texts into a dataset whose fields are defined (one text per field,
// "" for null) and opens it, as a data packet would.
#include <string>
#include <vector>

#include "data/Dataset.h"
#include "data/Field.h"

inline void LoadRows(data::Dataset& dataset, const std::vector<std::vector<std::string>>& rows) {
  dataset.BeginLoad(rows.size());
  for (const std::vector<std::string>& texts : rows) {
    const std::uint32_t row = dataset.AddRow();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (!texts[i].empty()) dataset.Fields(static_cast<int>(i)).SetTextAt(row, texts[i]);
    }
  }
  dataset.EndLoad();
}

// The values of one field along the dataset's view.
inline std::vector<std::string> ViewTexts(const data::Dataset& dataset, const char* field) {
  std::vector<std::string> texts;
  const data::Field& f = dataset.FieldByName(field);
  for (std::uint32_t row : dataset.ViewRows()) texts.push_back(f.AsStringAt(row));
  return texts;
}
