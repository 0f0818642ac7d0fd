#pragma once
// A small business database for the host-service tests: the schema with a few
// master rows, one approval form and one payment plan waiting for payment.
#include <memory>
#include <string>

#include "host/HostDataService.h"
#include "refhost/SqliteFixture.h"
#include "refhost/engine/Database.h"
#include "refhost/service/HostService.h"

namespace refhost::test {

// The date the tests configure as the host's today (tbSysMsg says 20050315).
inline constexpr const char* kHostToday = "20061201";

// Creates the schema and the rows the tests rely on.
void FillHostServiceData(Database& database);
// A data service of the library on a host service over the database.
host::HostDataService ServiceFor(Database& database, const std::string& today = kHostToday);
// The number of rows a query counts.
int CountOf(Database& database, const std::string& countSql);

// A SQLite database with those rows and the library's data service on it.
class HostServiceTest : public SqliteTest {
 protected:
  void SetUp() override {
    SqliteTest::SetUp();
    FillHostServiceData(Db());
  }
  host::HostDataService Service(const std::string& today = kHostToday) { return ServiceFor(Db(), today); }
};

}  // namespace refhost::test
