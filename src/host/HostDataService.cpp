#include "host/HostDataService.h"

#include <stdexcept>

#include "data/RecordsetDataset.h"
#include "data/packet/PacketDataset.h"
#include "db/HostValues.h"

namespace host {

namespace {

HostArg ByValue(base::Variant value) { return HostArg{std::move(value), false}; }
HostArg ByRef(base::Variant value = {}) { return HostArg{std::move(value), true}; }

}  // namespace

HostDataService::HostDataService(std::shared_ptr<HostDispatch> dispatch)
    : dispatch_(std::move(dispatch)) {
  if (dispatch_ == nullptr) throw std::invalid_argument("the host data service is missing");
}

HostResult HostDataService::Call(std::int32_t id, std::vector<HostArg>& args,
                                 std::size_t dataIndex) {
  const base::Variant answer = dispatch_->Invoke(id, args);
  HostResult result;
  result.ok = answer.ToBool();
  if (!result.ok) result.errors = args[dataIndex].value;
  return result;
}

HostResult HostDataService::CallForText(std::int32_t id, std::string& out) {
  std::vector<HostArg> args{ByRef()};
  HostResult result = Call(id, args, 0);
  if (result) out = args[0].value.ToTextOrEmpty();
  return result;
}

HostResult HostDataService::OpenDataset(const std::string& sql, data::Dataset& target) {
  std::vector<HostArg> args{ByValue(sql), ByRef()};
  HostResult result = Call(dispid::OpenPacket, args, 1);
  if (result) data::SetData(target, args[1].value);
  return result;
}

HostResult HostDataService::OpenRecordset(const std::string& sql, base::Variant& recordset) {
  std::vector<HostArg> args{ByValue(sql), ByRef()};
  HostResult result = Call(dispid::OpenRecordset, args, 1);
  if (result) recordset = args[1].value;
  return result;
}

HostResult HostDataService::OpenAdoDataset(const std::string& sql, data::Dataset& target) {
  base::Variant recordset;
  HostResult result = OpenRecordset(sql, recordset);
  if (result) data::LoadDataset(*db::RecordsetFromVariant(recordset), target);
  return result;
}

HostResult HostDataService::Execute(const std::vector<std::string>& statements) {
  base::Variant list;
  db::ListToVariantArray(statements, list);
  std::vector<HostArg> args{ByRef(std::move(list))};
  return Call(dispid::Execute, args, 0);
}

HostResult HostDataService::ExecuteText(const std::string& statements) {
  std::vector<HostArg> args{ByRef(statements)};
  return Call(dispid::Execute, args, 0);
}

HostResult HostDataService::CurrentYearMonth(std::string& yearMonth) {
  return CallForText(dispid::YearMonth, yearMonth);
}

HostResult HostDataService::CurrentDate(std::string& date) {
  HostResult result = CallForText(dispid::Date, date);
  if (result) date = date.substr(0, 8);
  return result;
}

HostResult HostDataService::CurrentDateTime(base::Variant& dateTime) {
  std::vector<HostArg> args{ByRef()};
  HostResult result = Call(dispid::DateTime, args, 0);
  if (result) dateTime = args[0].value;
  return result;
}

HostResult HostDataService::OperatorRecord(const std::string& operatorCode,
                                           data::Dataset& target) {
  std::vector<HostArg> args{ByValue(1), ByRef(operatorCode)};
  HostResult result = Call(dispid::OperatorInfo, args, 1);
  if (result) data::SetData(target, args[1].value);
  return result;
}

HostResult HostDataService::SystemParameters(data::Dataset& target) {
  std::vector<HostArg> args{ByRef()};
  HostResult result = Call(dispid::SystemParameters, args, 0);
  if (result) data::SetData(target, args[0].value);
  return result;
}

HostResult HostDataService::SupplierCoding(std::string& levels) {
  std::vector<HostArg> args{ByValue(3), ByValue(0), ByRef()};
  HostResult result = Call(dispid::CodingRule, args, 2);
  if (result) levels = args[2].value.ToTextOrEmpty();
  return result;
}

std::string HostDataService::DatabaseType() {
  std::vector<HostArg> none;
  return dispatch_->Invoke(dispid::DatabaseType, none).ToText();
}

HostResult HostDataService::StoreApprovalForm(int kind, const std::vector<std::uint8_t>& lines,
                                              const std::string& param) {
  std::vector<HostArg> args{ByValue(kind), ByRef(lines), ByRef(param)};
  return Call(dispid::StoreApprovalForm, args, 1);
}

HostResult HostDataService::StorePaymentVoucher(int kind, const base::Variant& data,
                                                const base::Variant& data2) {
  std::vector<HostArg> args{ByValue(kind), ByRef(data), ByValue(data2)};
  return Call(dispid::StorePaymentVoucher, args, 1);
}

HostResult HostDataService::CheckImport(base::Variant& data, base::Variant& data2) {
  std::vector<HostArg> args{ByValue(7), ByRef(data), ByRef(data2)};
  HostResult result = Call(dispid::CheckImport, args, 1);
  data = args[1].value;
  data2 = args[2].value;
  return result;
}

}  // namespace host
