#include "recordtransaction.h"

#include "db/connection.h"
#include "db/daoefset.h"

namespace {
const QString Savepoint = QStringLiteral("desk_record");
}

CRecordTransaction::CRecordTransaction(CDAOEFSet& set)
    : store_(vantora::db::openStore(set.GetDefaultDBName())) {
    if (!store_ || !store_->lock())
        return;
    // The savepoint lets the writes be undone even when this thread's
    // transaction was begun by an outer operation.
    if (!store_->exec(QStringLiteral("SAVEPOINT ") + Savepoint)) {
        store_->unlock();
        return;
    }
    active_ = true;
}

CRecordTransaction::~CRecordTransaction() {
    if (active_)
        Undo();
}

void CRecordTransaction::Undo() {
    active_ = false;
    store_->exec(QStringLiteral("ROLLBACK TO ") + Savepoint);
    store_->exec(QStringLiteral("RELEASE ") + Savepoint);
    store_->unlock();
}

bool CRecordTransaction::Commit() {
    if (!active_)
        return false;
    if (!store_->exec(QStringLiteral("RELEASE ") + Savepoint)) {
        Undo();
        return false;
    }
    active_ = false;
    return store_->unlock();
}
