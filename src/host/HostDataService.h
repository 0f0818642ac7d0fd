#pragma once
// host::HostDataService: the typed face of the host's data service that the screens
// use. Each call answers whether the host succeeded; on failure the result carries
// the host's error list (an array of message texts) for db::ShowHostErrors.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "data/Dataset.h"
#include "data/Recordset.h"
#include "host/HostDispatch.h"

namespace host {

// The host's dispatch ids.
namespace dispid {
constexpr std::int32_t OpenPacket = 0x60020000;  // SELECT -> data packet
constexpr std::int32_t Execute = 0x2;            // statements
constexpr std::int32_t OpenRecordset = 0x3;      // SELECT -> recordset
constexpr std::int32_t YearMonth = 0x4;
constexpr std::int32_t Date = 0x5;
constexpr std::int32_t DateTime = 0x6;
constexpr std::int32_t OperatorInfo = 0xA;
constexpr std::int32_t CodingRule = 0xF;
constexpr std::int32_t DatabaseType = 0x14;
constexpr std::int32_t SystemParameters = 0x64;
constexpr std::int32_t StorePaymentVoucher = 0x161;
constexpr std::int32_t CheckImport = 0x182;
constexpr std::int32_t StoreApprovalForm = 0x183;
}  // namespace dispid

// What a host call answered: ok, or the host's error list.
struct HostResult {
  bool ok = false;
  base::Variant errors;  // the by-reference data argument after a false answer
  explicit operator bool() const { return ok; }
};

class HostDataService {
 public:
  explicit HostDataService(std::shared_ptr<HostDispatch> dispatch);

  const std::shared_ptr<HostDispatch>& Dispatch() const { return dispatch_; }

  // Runs one SELECT and loads its rows into a client dataset from the data packet.
  HostResult OpenDataset(const std::string& sql, data::Dataset& target);
  // Runs one SELECT and returns the host's recordset in `recordset`.
  HostResult OpenRecordset(const std::string& sql, base::Variant& recordset);
  // Runs one SELECT and opens an ADO-style dataset on the returned recordset.
  HostResult OpenAdoDataset(const std::string& sql, data::Dataset& target);
  // Runs the statements, in order.
  HostResult Execute(const std::vector<std::string>& statements);
  // Runs one text of statements separated by ";".
  HostResult ExecuteText(const std::string& statements);

  HostResult CurrentYearMonth(std::string& yearMonth);  // "YYYYMM"
  HostResult CurrentDate(std::string& date);            // "YYYYMMDD"
  HostResult CurrentDateTime(base::Variant& dateTime);
  // The operator's record (with `f_zymc`) for an operator code.
  HostResult OperatorRecord(const std::string& operatorCode, data::Dataset& target);
  // The system parameters (`f_Csmc`, `f_csz`).
  HostResult SystemParameters(data::Dataset& target);
  // The supplier coding: one digit per level, the characters that level adds.
  HostResult SupplierCoding(std::string& levels);
  // "SQLSERVER", "DB2" or "ORACLE"; throws when the call itself fails.
  std::string DatabaseType();

  // Stores one approval form from its lines' data packet; kind 6 (auto-generation)
  // or 0 (batch import); param is year-month, tab, channel code, tab, flag.
  HostResult StoreApprovalForm(int kind, const std::vector<std::uint8_t>& lines,
                               const std::string& param);
  // Stores one payment voucher.
  HostResult StorePaymentVoucher(int kind, const base::Variant& data, const base::Variant& data2);
  // Checks and groups import lines; on success data and data2 hold the header and
  // detail recordsets, on failure data holds the refused lines and reasons.
  HostResult CheckImport(base::Variant& data, base::Variant& data2);

 private:
  // Calls `id` and turns its WordBool answer into a result whose errors are the
  // argument at `dataIndex`.
  HostResult Call(std::int32_t id, std::vector<HostArg>& args, std::size_t dataIndex);
  // A call whose only argument is the by-reference data, read as text on success.
  HostResult CallForText(std::int32_t id, std::string& out);

  std::shared_ptr<HostDispatch> dispatch_;
};

}  // namespace host
