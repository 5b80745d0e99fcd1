#pragma once
// CBatchScope: bulk work (restores, delete-all, archive) on one store file.
// While the scope lives, every add, edit and delete of this thread on the
// store shares one transaction, committed at least every batch interval
// (a few hundred milliseconds) and when the scope ends, so bulk work runs
// near the engine's speed without keeping other programs out for long.
// A failed write rolls back only its own row; rows committed before stay.
//
//   CDAOWk wk;
//   wk.OpenSet(false);
//   CBatchScope batch(wk);
//   for (...) { wk.Op(CDAOEFSet::opAddNew); ...; wk.Op(CDAOEFSet::opUpdate); }

#include <memory>

class CDAOEFSet;

namespace vantora::db {
class Store;
}

class CBatchScope {
public:
    // Starts a batch on the store of the set, opening the store file when
    // the set is not open yet. A store that cannot be opened or locked is
    // reported; the writes then take the lock one by one.
    explicit CBatchScope(CDAOEFSet& set);
    // Commits what is pending.
    ~CBatchScope();
    CBatchScope(const CBatchScope&) = delete;
    CBatchScope& operator=(const CBatchScope&) = delete;

    // Commits and ends the batch before the scope ends; false when the
    // last commit failed (after a notice).
    bool Finish();

private:
    std::shared_ptr<vantora::db::Store> store_;
};
