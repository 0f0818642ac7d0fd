#pragma once
// refhost::HostService: the reference host's data service, the automation object the
// library calls by dispatch id. It runs the library's SQL on a refhost::Database and
// stores approval forms and payment vouchers, each store in one transaction. A false
// answer leaves the host's error texts (an array of texts) in the data argument.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "base/Variant.h"
#include "host/HostDispatch.h"
#include "refhost/service/StoreContext.h"

namespace refhost {

class Database;

// How the host runs: its clock and the operator it is logged on as.
struct HostOptions {
  // The host's today as "YYYYMMDD". Empty: the `dqrq` system parameter, and without
  // one the machine's clock. A fixed date keeps tests and demos deterministic.
  std::string today;
  // The logged-on operator's code (`tbZyda`); it signs the stored forms and vouchers.
  std::string operatorCode = "0001";
};

class HostService : public host::HostDispatch {
 public:
  // Serves the calls on a database the caller keeps open for the service's lifetime.
  explicit HostService(Database& database, HostOptions options = {});
  // Connects with an ODBC connection string and owns the connection.
  explicit HostService(std::string_view connectionString, HostOptions options = {});
  ~HostService() override;
  HostService(const HostService&) = delete;
  HostService& operator=(const HostService&) = delete;

  // Answers one call of the library; unknown dispatch ids and wrong argument counts
  // throw std::invalid_argument (the call itself could not be made).
  base::Variant Invoke(std::int32_t dispid, std::span<host::HostArg> args) override;

 private:
  // One method per dispatch id; each writes its answer into the by-reference
  // arguments and throws HostRefusal (or DbError) to answer false.
  void OpenPacket(std::span<host::HostArg> args);
  void OpenRecordset(std::span<host::HostArg> args);
  void Execute(std::span<host::HostArg> args);
  void YearMonth(std::span<host::HostArg> args);
  void Date(std::span<host::HostArg> args);
  void DateTime(std::span<host::HostArg> args);
  void OperatorRecord(std::span<host::HostArg> args);
  void SystemParameters(std::span<host::HostArg> args);
  void CodingRule(std::span<host::HostArg> args);
  void StoreApprovalForm(std::span<host::HostArg> args);
  void StorePaymentVoucher(std::span<host::HostArg> args);
  void CheckImport(std::span<host::HostArg> args);
  // The host's today and operator, for a store call.
  StoreContext Context();

  std::unique_ptr<Database> owned_;
  Database& database_;
  HostOptions options_;
};

}  // namespace refhost
