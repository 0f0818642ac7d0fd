// TZidudClass: the choice of the accounting unit.
#include <exception>
#include <vector>

#include "base/Text.h"
#include "db/SqlText.h"
#include "grid/FlatChooseItem.h"
#include "services/UnitZidudClass.h"

namespace services {
namespace {

// The text of a unit field; a Null cannot stand in a line of the choice.
std::string UnitText(const data::Field& field) {
  if (field.IsNull()) throw std::runtime_error("核算单位的" + field.FieldName() + "为空");
  return field.AsString();
}

}  // namespace

bool TZidudClass::ChooseAccountingUnit(const std::string& group, const std::string& operatorCode,
                                       std::string& code, std::string& name) {
  code.clear();
  name.clear();
  try {
    data::Dataset units;
    bool restricted = false;
    if (!operatorCode.empty()) {
      const std::string test =
          "select 1 from tbzyfghsdw where f_zybm=" + db::QuotedStr(operatorCode);
      if (!service_.OpenDataset(test, units)) return false;
      restricted = !units.IsEmpty();
    }
    std::string sql =
        " Select * From tbHsdwda Where f_Hsdwh In (  Select f_Hsdwh From tbZbhsdwdz  Where "
        "f_Zbbm = " + db::QuotedStr(group) + " ";
    if (restricted) {
      sql += "   And f_Jsbz = '1' ) and f_hsdwh in (select f_hsdwh from tbzyfghsdw where f_zybm=" +
             db::QuotedStr(operatorCode) + ")";
    } else {
      sql += "   And f_Jsbz = '1' ) ";
    }
    sql += " order by f_hsdwh";
    if (!service_.OpenDataset(sql, units)) return false;

    const data::Field& unitCode = units.FieldByName("f_Hsdwh");
    const data::Field& unitName = units.FieldByName("f_Hsdwmc");
    if (units.RecordCount() == 1) {
      units.First();
      code = UnitText(unitCode);
      name = UnitText(unitName);
      return true;
    }
    std::vector<std::string> lines;
    for (units.First(); !units.Eof(); units.Next())
      lines.push_back(UnitText(unitCode) + " " + UnitText(unitName));
    std::string chosen;
    grid::FlatChooseItem("选择", "请选择一个核算单位", lines, chosen, false);
    // "code name": a code holding a blank is cut there, the rest counts as the name.
    const std::size_t blank = chosen.find(' ');
    if (blank == std::string::npos) {
      name = base::Trim(chosen);
    } else {
      code = base::Trim(chosen.substr(0, blank));
      name = base::Trim(chosen.substr(blank));
    }
    return true;
  } catch (const std::exception&) {
    code.clear();
    name.clear();
    return false;
  }
}

}  // namespace services
