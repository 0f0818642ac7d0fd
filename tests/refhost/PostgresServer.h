#pragma once
// A throwaway PostgreSQL server for the tests: a new cluster in a temporary directory,
// listening only on a socket there, on a free port; stopped and removed afterwards.
#include <memory>
#include <string>

#include "refhost/TempDir.h"

namespace refhost::test {

class PostgresServer {
 public:
  // Starts a server, or returns nullptr with whyNot saying what is missing or failed.
  static std::unique_ptr<PostgresServer> Start(std::string& whyNot);
  // Stops the server; the directory goes with the TempDir.
  ~PostgresServer();

  // The ODBC connection string of the server's database "postgres".
  const std::string& ConnectionString() const { return connectionString_; }

 private:
  PostgresServer() = default;

  TempDir dir_;
  std::string runAs_;  // "runuser -u postgres -- " when running as root, else empty
  std::string binDir_;
  std::string connectionString_;
  bool started_ = false;
};

}  // namespace refhost::test
