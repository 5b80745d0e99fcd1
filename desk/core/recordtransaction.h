#pragma once
// CRecordTransaction: several writes to one store file that land together or
// not at all. While it lives, the adds, edits and deletes of every set of
// this thread on the store share one transaction; Commit() makes them
// durable, and leaving the scope without a commit undoes every one of them.
//
//   CDAOSmEval eval; CDAOCirc circ;
//   CRecordTransaction all(eval);
//   ... eval.Op(opAddNew) ... circ.Op(opUpdate) ...
//   if (!eval.LastOpFailed() && !circ.LastOpFailed()) all.Commit();

#include <memory>

class CDAOEFSet;

namespace vantora::db {
class Store;
}

class CRecordTransaction {
public:
    // Takes the store's write lock for the set's file. A store that cannot
    // be opened or locked is reported and leaves the transaction inactive.
    explicit CRecordTransaction(CDAOEFSet& set);
    // Undoes everything written since the start unless Commit() succeeded.
    ~CRecordTransaction();
    CRecordTransaction(const CRecordTransaction&) = delete;
    CRecordTransaction& operator=(const CRecordTransaction&) = delete;

    bool Active() const { return active_; }
    // Makes the writes durable; false (after a notice) when the store
    // refused, in which case nothing was written.
    bool Commit();

private:
    void Undo();

    std::shared_ptr<vantora::db::Store> store_;
    bool active_ = false;
};
