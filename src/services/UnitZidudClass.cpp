#include "services/UnitZidudClass.h"

#include <exception>

#include "services/SysmsgRules.h"
#include "ui/Backend.h"

namespace services {

TZidudClass::TZidudClass(std::shared_ptr<host::HostDispatch> service, ui::WindowHandle owner)
    : owner_(owner), service_(std::move(service)) {
  try {
    dialect_ = service_.DatabaseType();
  } catch (const std::exception&) {
    ui::CurrentBackend().MessageBox(owner_, "获取数据库类型失败!", "警告",
                                    ui::MB_OK | ui::MB_ICONWARNING);
    dialect_ = "SQLSERVER";
  }
}

TZidudClass::~TZidudClass() = default;

bool TZidudClass::GetSysmsgInfo(TsysmsgInfo& info, const TSysmsgSet& request,
                                std::string& error) {
  std::optional<std::string> failure;
  try {
    failure = LoadHostValues(info, request);
    if (!failure) failure = LoadParameters(info, request);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  if (failure) error = *failure;
  return !failure;
}

std::optional<std::string> TZidudClass::LoadHostValues(TsysmsgInfo& info,
                                                       const TSysmsgSet& request) {
  info.sjklx = dialect_;
  if (request.test(1) && !service_.CurrentYearMonth(info.dqny)) return "取得当前年月时出错！";
  if (request.test(2)) {
    base::Variant now;
    if (!service_.CurrentDateTime(now)) return "取得当前日期时间时出错！";
    info.dqsj = now.ToTextOrEmpty();
  }
  if (request.test(3) && !service_.CurrentDate(info.dqrq)) return "取得当前日期时出错！";
  if (request.test(4) && !info.zybm.empty()) {
    if (!service_.OperatorRecord(info.zybm, workData_)) return "取得制单人名称时出错！！";
    info.zymc = workData_.FieldByName("f_zymc").AsString();
  }
  return std::nullopt;
}

std::optional<std::string> TZidudClass::LoadParameters(TsysmsgInfo& info,
                                                       const TSysmsgSet& request) {
  // The host calls answered elements 1, 3 and 4; any other element needs the table,
  // element 2 included, although the table fills no field of it.
  TSysmsgSet rest = request;
  rest.reset(1).reset(3).reset(4);
  if (rest.none()) return std::nullopt;

  if (!service_.SystemParameters(workData_)) return "取得系统参数时出错！";
  const std::optional<std::string> unitType = FindSysParameter(workData_, "dwlx", false);
  if (!unitType) return "没有可利用的单位类型！";
  info.dwlx = *unitType;
  unitType_ = *unitType;

  for (const SysmsgRule& rule : SysmsgRules()) {
    if (!rest.test(static_cast<std::size_t>(rule.element))) continue;
    if (auto failure = ApplySysmsgRule(rule, workData_, unitType_, info)) return failure;
  }
  return std::nullopt;
}

}  // namespace services
