#pragma once
// TZidudClass: the business service object each screen and dialog creates with its
// form: the host's database dialect, the system values of TsysmsgInfo and the choice
// of the accounting unit. Its message boxes belong to the owner window it was given.
//
// Choices made here:
// - An owner window of 0 stands for the application's main window, which a library
//   shown inside another program's window does not have: its boxes then have no owner.
// - The restriction test and the unit list treat a host that refuses the statement as
//   an error (false), so an operator is never shown units he may not use, and a
//   refusal is not mistaken for "no unit chosen".
#include <memory>
#include <optional>
#include <string>

#include "data/Dataset.h"
#include "host/HostDataService.h"
#include "host/HostDispatch.h"
#include "services/SysmsgInfo.h"
#include "ui/WindowHandle.h"

namespace services {

class TZidudClass {
 public:
  // Keeps the host data service and asks it for the dialect; a failed probe shows
  // "获取数据库类型失败!" and leaves the dialect "SQLSERVER".
  TZidudClass(std::shared_ptr<host::HostDispatch> service, ui::WindowHandle owner);
  ~TZidudClass();
  TZidudClass(const TZidudClass&) = delete;
  TZidudClass& operator=(const TZidudClass&) = delete;

  // "SQLSERVER", "DB2", "ORACLE" or whatever other text the host answered.
  const std::string& Dialect() const { return dialect_; }
  // The unit type `dwlx` of the last load that read the parameter table.
  const std::string& UnitType() const { return unitType_; }
  ui::WindowHandle Owner() const { return owner_; }

  // Fills the requested fields of `info` (whose operator code the caller set); false
  // with `error` set at the first value that cannot be had.
  bool GetSysmsgInfo(TsysmsgInfo& info, const TSysmsgSet& request, std::string& error);

  // The accounting unit of head-office group `group` that `operatorCode` works under:
  // taken at once when there is one, chosen in a dialog otherwise (empty texts when
  // the dialog is abandoned). False when an error came on the way.
  bool ChooseAccountingUnit(const std::string& group, const std::string& operatorCode,
                            std::string& code, std::string& name);

 private:
  // The host's part of the load: dialect, dates and the operator's name.
  std::optional<std::string> LoadHostValues(TsysmsgInfo& info, const TSysmsgSet& request);
  // The parameter table's part of the load.
  std::optional<std::string> LoadParameters(TsysmsgInfo& info, const TSysmsgSet& request);

  ui::WindowHandle owner_;
  host::HostDataService service_;
  std::string dialect_;
  std::string unitType_;
  data::Dataset workData_;
};

}  // namespace services
