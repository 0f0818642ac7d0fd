#pragma once
// A test suite on one throwaway PostgreSQL server (each test runs in a process of its
// own, so each gets a fresh server): Prepare fills the database once; every test is
// skipped, saying why, when no server can be started.
#include <gtest/gtest.h>

#include <string>

#include "refhost/PostgresServer.h"
#include "refhost/engine/Database.h"

namespace refhost::test {

template <void (*Prepare)(Database&)>
class PostgresSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    whyNot_ = new std::string;
    server_ = PostgresServer::Start(*whyNot_).release();
    if (!server_) return;
    postgres_ = Database::Connect(server_->ConnectionString()).release();
    Prepare(*postgres_);
  }
  static void TearDownTestSuite() {
    delete postgres_;
    delete server_;
    delete whyNot_;
  }
  void SetUp() override {
    if (!server_) GTEST_SKIP() << "no PostgreSQL server for this test: " << *whyNot_;
  }

  static inline PostgresServer* server_ = nullptr;
  static inline std::string* whyNot_ = nullptr;
  static inline Database* postgres_ = nullptr;
};

}  // namespace refhost::test
