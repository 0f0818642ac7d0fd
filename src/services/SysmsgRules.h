#pragma once
// The system-parameter part of the load into TsysmsgInfo: one rule per requested
// element, saying which key of tbSysMsg fills which field, how its text is converted
// and what a missing key does. The rules stand in the order the load handles them.
//
// Choices made here: the parameters that no screen of this library reads never fail
// a load when missing; their fields take the empty text, false or 0. A value that does
// not convert (letters in an integer parameter) fails the load with the conversion's
// own message, naming the value.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "data/Dataset.h"
#include "services/SysmsgInfo.h"

namespace services {

// The field a rule fills; its type chooses the conversion of the stored text.
using SysmsgTarget = std::variant<std::string TsysmsgInfo::*, bool TsysmsgInfo::*,
                                  std::int32_t TsysmsgInfo::*, double TsysmsgInfo::*>;

// How a text field takes the stored text.
enum class TextForm {
  AsStored,
  OneOrZero,       // "1" stays "1", anything else becomes "0"
  QuantityFormat,  // an integer n becomes "0." and n zeros
};

// What a missing key does. Without a message the field takes `fallback` (or its empty
// value when that is null); with `unitTypes` set ("01,02,11") the message applies only
// to those unit types (failForListed) or only to the others.
struct SysmsgAbsence {
  const char* message = nullptr;
  const char* fallback = nullptr;
  const char* unitTypes = nullptr;
  bool failForListed = false;
};

struct SysmsgRule {
  int element;
  const char* key;
  SysmsgTarget target;
  TextForm form = TextForm::AsStored;
  SysmsgAbsence absent = {};
  bool caseSensitive = false;   // the key matches only as written
  bool blankIsMissing = false;  // a blank value counts as a missing key
};

// Every rule, in the order of the load.
std::span<const SysmsgRule> SysmsgRules();

// Applies one rule with the parameter table `parameters` (`f_Csmc`, `f_Csz`); returns
// the load's failure text, or nullopt when the field was filled. Conversion errors raise.
std::optional<std::string> ApplySysmsgRule(const SysmsgRule& rule, data::Dataset& parameters,
                                           const std::string& unitType, TsysmsgInfo& info);

// The value of key `key` in the parameter table, or nullopt when it has no such row.
std::optional<std::string> FindSysParameter(data::Dataset& parameters, const char* key,
                                            bool caseSensitive);

}  // namespace services
