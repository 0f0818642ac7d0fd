#pragma once
// A host data service for the service object's tests: answers the calls of a screen's
// creation from a few fields the test sets, and SELECTs from rows the test keys by
// statement text. Every call is logged; a call whose id is in `refuse` answers false.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/Dataset.h"
#include "data/packet/PacketDataset.h"
#include "host/HostDataService.h"

namespace testing_host {

using Row = std::vector<std::optional<std::string>>;  // nullopt: Null

// A data packet of text columns.
inline base::Variant TextPacket(const std::vector<std::string>& columns,
                                const std::vector<Row>& rows) {
  data::Dataset ds;
  for (const std::string& column : columns) ds.AddField(column, data::FieldType::String, 100);
  ds.CreateDataSet();
  for (const Row& row : rows) {
    ds.Append();
    for (std::size_t i = 0; i < row.size(); ++i)
      if (row[i]) ds.Fields(static_cast<int>(i)).SetAsString(*row[i]);
    ds.Post();
  }
  return data::DataOf(ds);
}

class FakeServiceHost : public host::HostDispatch {
 public:
  std::string databaseType = "SQLSERVER";
  bool probeThrows = false;
  std::string yearMonth = "200403";
  std::string date = "20040315";
  std::string dateTime = "2004-03-15 10:20:30";
  std::map<std::string, std::string> operatorNames{{"0001", "张三"}};
  std::vector<std::pair<std::string, std::string>> parameters{
      {"dwlx", "03"}, {"qyny", "200401"}, {"sljd", "3"}, {"zbbm", "01"}};
  // Result of a SELECT by statement text: columns and rows.
  std::map<std::string, std::pair<std::vector<std::string>, std::vector<Row>>> selects;
  std::set<std::int32_t> refuse;

  std::vector<std::int32_t> calls;
  std::vector<std::string> statements;

  base::Variant Invoke(std::int32_t id, std::span<host::HostArg> args) override {
    calls.push_back(id);
    if (id == host::dispid::DatabaseType) {
      if (probeThrows) throw std::runtime_error("RPC 服务器不可用");
      return databaseType;
    }
    if (refuse.count(id) != 0) {
      args.back().value = base::Variant::ArrayOf({base::Variant("拒绝")});
      return false;
    }
    switch (id) {
      case host::dispid::YearMonth: args[0].value = yearMonth; break;
      case host::dispid::Date: args[0].value = date + "000000"; break;
      case host::dispid::DateTime: args[0].value = dateTime; break;
      case host::dispid::OperatorInfo:
        args[1].value = TextPacket({"f_zybm", "f_zymc"},
                                   {{args[1].value.ToText(), operatorNames[args[1].value.ToText()]}});
        break;
      case host::dispid::SystemParameters: args[0].value = ParameterPacket(); break;
      case host::dispid::OpenPacket: return Select(args);
      default: return false;
    }
    return true;
  }

  // How often the host was called with `id`.
  int CallsOf(std::int32_t id) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), id));
  }

 private:
  base::Variant ParameterPacket() const {
    std::vector<Row> rows;
    for (const auto& [key, value] : parameters) rows.push_back({key, value});
    return TextPacket({"f_Csmc", "f_Csz"}, rows);
  }

  base::Variant Select(std::span<host::HostArg> args) {
    const std::string sql = args[0].value.ToText();
    statements.push_back(sql);
    const auto it = selects.find(sql);
    if (it == selects.end()) {
      args[1].value = base::Variant::ArrayOf({base::Variant("无法识别的语句: " + sql)});
      return false;
    }
    args[1].value = TextPacket(it->second.first, it->second.second);
    return true;
  }
};

}  // namespace testing_host
