#pragma once
// grid::ConditionDialog: how the grid runs the query builder in query or filter mode
// and what it reads back when the user accepts. The builder registers itself as the
// library's runner; tests put their own answer in its place.
#include <functional>
#include <optional>
#include <string>

#include "grid/ExpressionRow.h"

namespace data {
class Dataset;
}
namespace ui {
class Control;
}

namespace grid {

// What the grid hands to the dialog (the constructor arguments and its source dataset).
struct ConditionDialogRequest {
  bool filterMode = false;
  std::string caption;
  std::string tableAliases;      // query mode
  std::string valueHelp;
  std::string fieldMap;          // query mode
  bool visibleFieldsOnly = false;  // filter mode
  ExpressionRows rows;           // the starting rows
  data::Dataset* source = nullptr;
  ui::Control* owner = nullptr;
};

// What an accepted dialog gives back.
struct ConditionDialogResult {
  ExpressionRows rows;
  std::string condition;      // the condition text as the dialog built it
  std::string excludeFilter;  // filter mode: "f LIKE '%A%'" for a 部分不等于 row, else empty
  std::string excludeField;   // filter mode: the field of that row
};

// Shows the dialog modally; nullopt when the user did not accept it.
using ConditionDialogRunner =
    std::function<std::optional<ConditionDialogResult>(const ConditionDialogRequest&)>;

// The library's runner (empty until the query builder registers one).
ConditionDialogRunner& LibraryConditionDialog();

}  // namespace grid
