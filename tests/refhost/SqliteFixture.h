#pragma once
// A test with a fresh SQLite database file in a directory of its own.
#include <gtest/gtest.h>

#include <memory>

#include "refhost/TempDir.h"
#include "refhost/engine/Database.h"

namespace refhost::test {

class SqliteTest : public ::testing::Test {
 protected:
  void SetUp() override { database_ = Database::OpenSqliteFile(dir_.File("test.db")); }

  Database& Db() { return *database_; }
  // The number of rows of a table.
  int Count(const std::string& table) {
    return Db().Query("SELECT COUNT(*) FROM " + table).rows.at(0).at(0).ToInt();
  }

  TempDir dir_;
  std::unique_ptr<Database> database_;
};

}  // namespace refhost::test
