#include "refhost/service/HostService.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "data/packet/PacketCodec.h"
#include "data/packet/PacketError.h"
#include "refhost/engine/Database.h"
#include "refhost/engine/DbError.h"
#include "refhost/engine/Transaction.h"
#include "refhost/service/ApprovalFormStore.h"
#include "refhost/service/HostClock.h"
#include "refhost/service/HostRefusal.h"
#include "refhost/service/ImportCheck.h"
#include "refhost/service/PaymentVoucherStore.h"
#include "refhost/service/ResultConversion.h"
#include "refhost/service/StatementList.h"

namespace refhost {

namespace {

using base::Variant;
using Args = std::span<host::HostArg>;

// One dispatch id: its argument count, the by-reference argument that carries the
// data (and the error texts on a false answer), and the method that answers it.
struct Method {
  std::int32_t dispid;
  std::size_t argCount;
  std::size_t dataIndex;
  void (HostService::*run)(Args);
};

// Runs a read call's statement; one that returns no rows (an UPDATE sent as a query)
// is refused and undone, so a read call never changes the database.
ResultSet RunQuery(Database& database, const std::string& sql) {
  try {
    Transaction transaction(database);
    ResultSet result = database.Query(sql);
    if (result.columns.empty()) throw HostRefusal("语句没有返回数据集，未执行：" + sql);
    transaction.Commit();
    return result;
  } catch (const DbError& error) {
    throw HostRefusal("查询语句执行失败：" + sql, error);
  }
}

Variant PacketVariant(const ResultSet& result) {
  return Variant(data::EncodePacket(PacketFromResult(result)));
}

std::vector<std::uint8_t> BytesOf(const Variant& value, const char* what) {
  if (value.GetType() != Variant::Type::Bytes)
    throw HostRefusal(std::string(what) + "应为数据包，收到" + value.TypeName());
  return value.Bytes();
}

}  // namespace

HostService::HostService(Database& database, HostOptions options)
    : database_(database), options_(std::move(options)) {
  static_cast<void>(HostClock(database_, options_.today));  // a malformed configured date fails here, not at a call
}

HostService::HostService(std::string_view connectionString, HostOptions options)
    : owned_(Database::Connect(connectionString)), database_(*owned_), options_(std::move(options)) {
  static_cast<void>(HostClock(database_, options_.today));
}

HostService::~HostService() = default;

base::Variant HostService::Invoke(std::int32_t dispid, std::span<host::HostArg> args) {
  if (dispid == 0x14) {
    if (!args.empty()) throw std::invalid_argument("host method 0x14 takes no arguments");
    // The library joins texts with "+" only for SQLSERVER and with "||" for the other
    // names; SQLite and PostgreSQL speak "||".
    return Variant(database_.GetDialect() == Dialect::SqlServer ? "SQLSERVER" : "DB2");
  }
  static const Method kMethods[] = {
      {0x60020000, 2, 1, &HostService::OpenPacket},
      {0x2, 1, 0, &HostService::Execute},
      {0x3, 2, 1, &HostService::OpenRecordset},
      {0x4, 1, 0, &HostService::YearMonth},
      {0x5, 1, 0, &HostService::Date},
      {0x6, 1, 0, &HostService::DateTime},
      {0xA, 2, 1, &HostService::OperatorRecord},
      {0xF, 3, 2, &HostService::CodingRule},
      {0x64, 1, 0, &HostService::SystemParameters},
      {0x161, 3, 1, &HostService::StorePaymentVoucher},
      {0x182, 3, 1, &HostService::CheckImport},
      {0x183, 3, 1, &HostService::StoreApprovalForm},
  };
  const Method* method = nullptr;
  for (const Method& candidate : kMethods)
    if (candidate.dispid == dispid) method = &candidate;
  if (method == nullptr) throw std::invalid_argument("the host has no method " + std::to_string(dispid));
  if (args.size() != method->argCount)
    throw std::invalid_argument("host method " + std::to_string(dispid) + " takes " +
                                std::to_string(method->argCount) + " arguments, not " +
                                std::to_string(args.size()));
  std::vector<std::string> errors;
  try {
    (this->*method->run)(args);
    return Variant(true);
  } catch (const HostRefusal& refusal) {
    errors = refusal.Texts();
  } catch (const DbError& error) {
    errors = HostRefusal("数据库操作失败", error).Texts();
  } catch (const data::PacketError& error) {
    errors = {"数据包处理失败", error.what()};
  }
  args[method->dataIndex].value = HostRefusal(std::move(errors)).ToVariant();
  return Variant(false);
}

void HostService::OpenPacket(Args args) {
  args[1].value = PacketVariant(RunQuery(database_, args[0].value.ToTextOrEmpty()));
}

void HostService::OpenRecordset(Args args) {
  args[1].value = Variant(std::shared_ptr<base::VariantObject>(
      RecordsetFromResult(RunQuery(database_, args[0].value.ToTextOrEmpty()))));
}

void HostService::Execute(Args args) {
  const std::vector<std::string> statements = StatementsOf(args[0].value);
  Transaction transaction(database_);
  for (std::size_t i = 0; i < statements.size(); ++i) {
    try {
      database_.Execute(statements[i]);
    } catch (const DbError& error) {
      throw HostRefusal("第" + std::to_string(i + 1) + "条语句执行失败，本次所有语句均未生效：" +
                            statements[i],
                        error);
    }
  }
  transaction.Commit();
}

void HostService::YearMonth(Args args) { args[0].value = HostClock(database_, options_.today).YearMonth(); }

void HostService::Date(Args args) { args[0].value = HostClock(database_, options_.today).Today(); }

void HostService::DateTime(Args args) { args[0].value = HostClock(database_, options_.today).Now(); }

void HostService::OperatorRecord(Args args) {
  const std::string code = args[1].value.ToTextOrEmpty();
  const ResultSet result =
      database_.Prepare("SELECT f_Zybm AS f_zybm, f_Zymc AS f_zymc, f_Hsdwh AS f_hsdwh FROM tbZyda WHERE f_Zybm = ?")
          .Query({Variant(code)});
  if (result.rows.empty()) throw HostRefusal("操作员" + code + "不存在");
  args[1].value = PacketVariant(result);
}

void HostService::SystemParameters(Args args) {
  ResultSet result = database_.Query("SELECT f_Csmc, f_Csz AS f_csz FROM tbSysMsg ORDER BY f_Csmc");
  // A configured date is the host's clock: the parameters say the same.
  if (!options_.today.empty()) {
    HostClock clock(database_, options_.today);
    for (auto& row : result.rows) {
      const std::string name = row[0].ToTextOrEmpty();
      if (name == "dqrq") row[1] = clock.Today();
      if (name == "dqny") row[1] = clock.YearMonth();
    }
  }
  args[0].value = PacketVariant(result);
}

void HostService::CodingRule(Args args) {
  const int kind = args[0].value.ToInt();
  const ResultSet result =
      database_.Prepare("SELECT f_Bmjg FROM tbBmjg WHERE f_Bmlx = ?").Query({Variant(kind)});
  if (result.rows.empty() || result.rows[0][0].ToTextOrEmpty().empty())
    throw HostRefusal("没有定义编码结构（类型" + std::to_string(kind) + "）");
  args[2].value = result.rows[0][0].ToText();
}

StoreContext HostService::Context() {
  StoreContext context{HostClock(database_, options_.today).Today(), options_.operatorCode, {}};
  const ResultSet result =
      database_.Prepare("SELECT f_Zymc FROM tbZyda WHERE f_Zybm = ?").Query({Variant(options_.operatorCode)});
  if (!result.rows.empty()) context.operatorName = result.rows[0][0].ToTextOrEmpty();
  return context;
}

void HostService::StoreApprovalForm(Args args) {
  refhost::StoreApprovalForm(database_, BytesOf(args[1].value, "审批单明细"),
                             args[2].value.ToTextOrEmpty(), Context());
}

void HostService::StorePaymentVoucher(Args args) {
  refhost::StorePaymentVoucher(database_, BytesOf(args[1].value, "付款单"), Context());
}

void HostService::CheckImport(Args args) {
  const auto lines = args[1].value.ObjectAs<data::Recordset>();
  if (lines == nullptr) throw HostRefusal("导入数据应为记录集");
  ImportForms forms = ImportCheck(database_).Run(*lines);
  args[1].value = Variant(std::shared_ptr<base::VariantObject>(std::move(forms.headers)));
  args[2].value = Variant(std::shared_ptr<base::VariantObject>(std::move(forms.details)));
}

}  // namespace refhost
