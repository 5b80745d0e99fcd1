#include "desk/core/storetransaction.h"

#include "db/connection.h"
#include "db/daoefset.h"

#include <QSqlQuery>

namespace {
const QString Savepoint = QStringLiteral("vantora_desk_unit");
}

CStoreTransaction::CStoreTransaction(const CDAOEFSet& set)
    : store_(vantora::db::openStore(set.GetDefaultDBName())) {}

CStoreTransaction::~CStoreTransaction() {
    Rollback();
}

bool CStoreTransaction::Begin() {
    if (!store_ || open_)
        return open_;
    if (!store_->lock())
        return false;
    // A savepoint inside the lock's transaction, so that the unit can be
    // undone without undoing what others of this thread hold pending.
    if (!store_->exec(QStringLiteral("SAVEPOINT ") + Savepoint)) {
        store_->unlock();
        return false;
    }
    open_ = true;
    return true;
}

bool CStoreTransaction::Commit() {
    if (!open_)
        return false;
    open_ = false;
    if (!store_->exec(QStringLiteral("RELEASE ") + Savepoint)) {
        store_->exec(QStringLiteral("ROLLBACK TO ") + Savepoint);
        store_->exec(QStringLiteral("RELEASE ") + Savepoint);
        store_->unlock();
        return false;
    }
    return store_->unlock();
}

void CStoreTransaction::Rollback() {
    if (!open_)
        return;
    open_ = false;
    store_->exec(QStringLiteral("ROLLBACK TO ") + Savepoint);
    store_->exec(QStringLiteral("RELEASE ") + Savepoint);
    store_->unlock();
}

bool CStoreTransaction::Exec(const std::string& sql, std::initializer_list<QVariant> values,
                             int* changed) {
    if (!open_)
        return false;
    QSqlQuery* q = store_->prepared(QString::fromStdString(sql));
    if (!q)
        return false;
    int i = 0;
    for (const QVariant& v : values)
        q->bindValue(i++, v);
    const bool ok = q->exec();
    const std::string error = ok ? std::string() : vantora::db::errorText(q->lastError());
    if (changed)
        *changed = ok ? q->numRowsAffected() : 0;
    q->finish();
    if (!ok)
        vantora::db::reportError(error);
    return ok;
}

long long CStoreTransaction::Count(const std::string& sql, std::initializer_list<QVariant> values) {
    if (!store_)
        return 0;
    QSqlQuery* q = store_->prepared(QString::fromStdString(sql));
    if (!q)
        return 0;
    int i = 0;
    for (const QVariant& v : values)
        q->bindValue(i++, v);
    long long n = 0;
    if (!q->exec())
        vantora::db::reportError(vantora::db::errorText(q->lastError()));
    else if (q->next())
        n = q->value(0).toLongLong();
    q->finish();
    return n;
}
