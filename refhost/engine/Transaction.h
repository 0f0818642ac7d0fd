#pragma once
// Transaction: a transaction that rolls back unless committed, so that a failure on
// the way leaves nothing behind.
namespace refhost {

class Database;

class Transaction {
 public:
  // Opens a transaction on the database.
  explicit Transaction(Database& database);
  // Rolls back when Commit was not reached.
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // Commits everything since the constructor.
  void Commit();

 private:
  Database& database_;
  bool open_ = true;
};

}  // namespace refhost
