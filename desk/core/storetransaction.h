#pragma once
// CStoreTransaction: several writes of this thread on one store file as one
// unit. While it lives, every add, edit and delete of the thread's record
// sets on that file joins one transaction; Commit keeps them, and a
// transaction that ends without Commit leaves the store as it was.
//
//   CStoreTransaction tx(members);      // any set of the store file
//   if (!tx.Begin()) return false;      // another program holds the lock
//   ... writes through sets or Exec ...
//   return tx.Commit();

#include <QVariant>

#include <initializer_list>
#include <memory>
#include <string>

class CDAOEFSet;

namespace vantora::db {
class Store;
}

class CStoreTransaction {
public:
    explicit CStoreTransaction(const CDAOEFSet& set);
    ~CStoreTransaction();
    CStoreTransaction(const CStoreTransaction&) = delete;
    CStoreTransaction& operator=(const CStoreTransaction&) = delete;

    // Takes the store's write lock; false, after the notice, when the store
    // cannot be opened or another program keeps it locked.
    bool Begin();
    // Keeps what was written; false, after a notice, when the commit failed
    // (nothing was kept then).
    bool Commit();
    // Drops what was written since Begin.
    void Rollback();

    // Runs one statement inside the transaction with positional values;
    // false after the database error was shown. `changed` (if given)
    // receives the number of rows the statement touched.
    bool Exec(const std::string& sql, std::initializer_list<QVariant> values,
              int* changed = nullptr);
    // The first column of the first row of a query, 0 without a row.
    long long Count(const std::string& sql, std::initializer_list<QVariant> values);

private:
    std::shared_ptr<vantora::db::Store> store_;
    bool open_ = false;
};
