// The cursor of a set: the key query, reading rows (ahead in blocks while
// walking forward), adding, editing and deleting them.
#include "daoefsetimpl.h"

#include "batchscope.h"

#include "util/format.h"
#include "util/text.h"

#include <QSqlQuery>

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* MsgNoCurrent = "Error: no current record";
constexpr const char* MsgRowDeleted = "Error: the record has been deleted by another user";
constexpr const char* MsgJoinedDelete =
    "Error: a record of a joined view cannot be deleted through the view";

QVariant toVariant(Type type, const void* value) {
    switch (type) {
    case Type::Long:
        return QVariant(static_cast<qlonglong>(*static_cast<const long*>(value)));
    case Type::Short:
        return QVariant(static_cast<int>(*static_cast<const short*>(value)));
    case Type::Byte:
        return QVariant(static_cast<int>(*static_cast<const unsigned char*>(value)));
    case Type::Text:
        return QVariant(QString::fromStdString(*static_cast<const std::string*>(value)));
    case Type::Double:
        return QVariant(*static_cast<const double*>(value));
    case Type::DateTime: {
        const auto& dt = *static_cast<const CEFOleDateTime*>(value);
        if (dt.GetStatus() == COleDateTime::null)
            return QVariant(QMetaType::fromType<double>());
        return QVariant(dt.m_dt);
    }
    }
    return {};
}

void fromVariant(Type type, void* value, const QVariant& v) {
    switch (type) {
    case Type::Long:
        *static_cast<long*>(value) = v.isNull() ? 0 : clampLong(v.toLongLong());
        break;
    case Type::Short:
        *static_cast<short*>(value) = static_cast<short>(v.isNull() ? 0 : v.toInt());
        break;
    case Type::Byte:
        *static_cast<unsigned char*>(value) =
            static_cast<unsigned char>(v.isNull() ? 0 : v.toInt());
        break;
    case Type::Text:
        *static_cast<std::string*>(value) = v.isNull() ? std::string() : v.toString().toStdString();
        break;
    case Type::Double:
        *static_cast<double*>(value) = v.isNull() ? 0.0 : v.toDouble();
        break;
    case Type::DateTime: {
        auto& dt = *static_cast<CEFOleDateTime*>(value);
        dt.m_dt = v.isNull() ? 0.0 : v.toDouble();
        dt.m_status = v.isNull() ? COleDateTime::null : COleDateTime::valid;
        break;
    }
    }
}

// New records start with numbers 0, texts empty and date-times 0.0.
void resetValue(Type type, void* value) {
    switch (type) {
    case Type::Long:
        *static_cast<long*>(value) = 0;
        break;
    case Type::Short:
        *static_cast<short*>(value) = 0;
        break;
    case Type::Byte:
        *static_cast<unsigned char*>(value) = 0;
        break;
    case Type::Text:
        static_cast<std::string*>(value)->clear();
        break;
    case Type::Double:
        *static_cast<double*>(value) = 0.0;
        break;
    case Type::DateTime: {
        auto& dt = *static_cast<CEFOleDateTime*>(value);
        dt.m_dt = 0.0;
        dt.m_status = COleDateTime::valid;
        break;
    }
    }
}

} // namespace

bool CDAOEFSet::Impl::runKeyQuery() {
    const dialect::Expression filter =
        dialect::translate(owner_.m_strFilter, paramNames_, textParams_);
    if (!filter.error.empty()) {
        vantora::db::reportError(filter.error);
        return false;
    }
    const dialect::Expression sort = dialect::translate(
        dialect::caselessSort(owner_.m_strSort,
                              [this](const dialect::ColumnName& c) { return isTextColumn(c); }),
        paramNames_);
    if (!sort.error.empty()) {
        vantora::db::reportError(sort.error);
        return false;
    }
    std::string keys, from;
    for (const auto& t : tables_) {
        keys += (keys.empty() ? "" : ", ") + dialect::quote(t) + "._key";
        from += (from.empty() ? "" : ", ") + dialect::quote(t);
    }
    const std::string where = filter.sql.empty() ? std::string() : "(" + filter.sql + ")";
    // Rows the sort leaves equal (all of them without a sort) come in table
    // order, the order they were added in.
    std::string order = sort.sql;
    for (const auto& t : tables_)
        order += (order.empty() ? "" : ", ") + dialect::quote(t) + "._key";
    const QString sql =
        QString::fromStdString(dialect::select(keys, from, where, order, maxRecords));

    QSqlQuery* q = store_->prepared(sql);
    if (!q)
        return false;
    std::vector<const Param*> bound;
    for (const auto& p : filter.params)
        bound.push_back(paramByName_.at(p));
    for (const auto& p : sort.params)
        bound.push_back(paramByName_.at(p));
    for (std::size_t i = 0; i < bound.size(); ++i)
        q->bindValue(static_cast<int>(i), toVariant(bound[i]->type, bound[i]->value));

    keys_.clear();
    live_ = 0;
    tombstones_ = 0;
    cache_.clear();
    bool ok = q->exec();
    if (ok) {
        const int stride = static_cast<int>(stride_);
        while (q->next()) {
            for (int k = 0; k < stride; ++k)
                keys_.push_back(q->value(k).toLongLong());
        }
        ok = !q->lastError().isValid();
    }
    const QSqlError error = ok ? QSqlError() : q->lastError();
    q->finish();
    if (!ok) {
        keys_.clear();
        store_->reportFailure(error);
        return false;
    }
    live_ = static_cast<long>(total());
    cur_ = 0;
    onDeleted_ = false;
    missing_ = false;
    return true;
}

// Reads the current row into the bound members: from the rows read ahead
// when they are still good, else by key. A row that is gone (deleted by
// another program since the set was opened) keeps its place until the next
// requery, with empty values.
bool CDAOEFSet::Impl::fetch(bool fresh) {
    const qint64 key = keys_[cur_ * stride_];
    if (!fresh && stride_ == 1) {
        if (cacheWrites_ != store_->writes()) {
            // This program wrote meanwhile: read ahead again only once the
            // cursor walks on without writing.
            cache_.clear();
            cacheWrites_ = store_->writes();
            walked_ = 0;
        }
        if (cache_.empty() && walked_ >= WalkBeforeBlocks && !fetchBlock())
            return false;
        if (!cache_.empty()) {
            auto it = cache_.find(key);
            if (it != cache_.end()) {
                for (std::size_t i = 0; i < columns_.size(); ++i)
                    fromVariant(columns_[i].type, columns_[i].value, it->second[i]);
                missing_ = false;
                cache_.erase(it);
                return true;
            }
        }
    }
    QSqlQuery* q = store_->prepared(fresh ? lockedRowSql_ : rowSql_);
    if (!q)
        return false;
    for (std::size_t k = 0; k < stride_; ++k)
        q->bindValue(static_cast<int>(k), QVariant(keys_[cur_ * stride_ + k]));
    if (!q->exec()) {
        const QSqlError error = q->lastError();
        q->finish();
        store_->reportFailure(error);
        return false;
    }
    missing_ = !q->next();
    if (missing_ && q->lastError().isValid()) {
        const QSqlError error = q->lastError();
        q->finish();
        store_->reportFailure(error);
        return false;
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (missing_)
            resetValue(columns_[i].type, columns_[i].value);
        else
            fromVariant(columns_[i].type, columns_[i].value, q->value(static_cast<int>(i)));
    }
    q->finish();
    return true;
}

// Reads the next rows of the key list from the current one in one query.
// Rows it does not return are gone; they are read (and found missing) one
// by one when the cursor reaches them.
bool CDAOEFSet::Impl::fetchBlock() {
    QSqlQuery* q = store_->prepared(blockSql_);
    if (!q)
        return false;
    int bound = 0;
    for (std::size_t r = cur_; r < total() && bound < blockRows_; ++r) {
        if (!gone(r))
            q->bindValue(bound++, QVariant(keys_[r]));
    }
    for (int b = bound; b < blockRows_; ++b)
        q->bindValue(b, QVariant(keys_[cur_]));
    cache_.clear();
    cacheWrites_ = store_->writes();
    if (!q->exec()) {
        const QSqlError error = q->lastError();
        q->finish();
        store_->reportFailure(error);
        return false;
    }
    const int n = static_cast<int>(columns_.size());
    while (q->next()) {
        std::vector<QVariant> row;
        row.reserve(columns_.size());
        for (int i = 0; i < n; ++i)
            row.push_back(q->value(i + 1));
        cache_[q->value(0).toLongLong()] = std::move(row);
    }
    q->finish();
    return true;
}

bool CDAOEFSet::Impl::addNew(bool reset) {
    dropPending();
    if (!store_->lock()) {
        refused_ = true;
        return false;
    }
    edit_ = Edit::Adding;
    if (reset) {
        for (const auto& c : columns_)
            resetValue(c.type, c.value);
    }
    return true;
}

bool CDAOEFSet::Impl::startEdit() {
    dropPending();
    refused_ = true;
    if (atEnd() || isDeleted()) {
        vantora::db::reportError(isDeleted() && !onDeleted_ ? MsgRowDeleted : MsgNoCurrent);
        return false;
    }
    if (!store_->lock())
        return false;
    // Read the row again under the lock, so the edit starts from what is
    // stored now and not from what another program has changed since.
    if (!fetch(true) || missing_) {
        store_->unlock();
        if (missing_)
            vantora::db::reportError(MsgRowDeleted);
        return false;
    }
    refused_ = false;
    snapshot_.clear();
    for (const auto& c : columns_)
        snapshot_.push_back(toVariant(c.type, c.value));
    edit_ = Edit::Editing;
    return true;
}

bool CDAOEFSet::Impl::insertRow() {
    // Rows a restore adds are never visited again: on a server they go
    // with others in one COPY.
    if (appendOnly && tables_.size() == 1 && store_->queuesRows()) {
        QStringList names;
        std::vector<QVariant> values;
        for (std::size_t i : insertColumns_[0]) {
            names << QString::fromStdString(columns_[i].name);
            values.push_back(toVariant(columns_[i].type, columns_[i].value));
        }
        return store_->queueRow(QString::fromStdString(tables_[0]), names, values);
    }
    std::vector<qint64> added(stride_, 0);
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        QSqlQuery* q = store_->prepared(insertSql_[t]);
        if (!q)
            return false;
        const auto& cols = insertColumns_[t];
        for (std::size_t i = 0; i < cols.size(); ++i)
            q->bindValue(static_cast<int>(i),
                         toVariant(columns_[cols[i]].type, columns_[cols[i]].value));
        const bool ok = q->exec();
        const QSqlError error = ok ? QSqlError() : q->lastError();
        if (ok)
            added[t] = store_->onServer() ? (q->next() ? q->value(0).toLongLong() : 0)
                                          : q->lastInsertId().toLongLong();
        q->finish();
        if (!ok) {
            store_->reportFailure(error);
            return false;
        }
    }
    if (!appendOnly) {
        keys_.insert(keys_.end(), added.begin(), added.end());
        ++live_;
    }
    return true;
}

bool CDAOEFSet::Impl::updateRow() {
    std::vector<std::vector<std::size_t>> changed(tables_.size());
    bool any = false;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (toVariant(columns_[i].type, columns_[i].value) != snapshot_[i]) {
            changed[columns_[i].table].push_back(i);
            any = true;
        }
    }
    if (!any)
        return true;
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        if (changed[t].empty())
            continue;
        std::string sets;
        for (std::size_t i : changed[t])
            sets += (sets.empty() ? "" : ", ") + dialect::quote(columns_[i].name) + " = ?";
        QSqlQuery* q = store_->prepared(QString::fromStdString(
            "UPDATE " + dialect::quote(tables_[t]) + " SET " + sets + " WHERE _key = ?"));
        if (!q)
            return false;
        int k = 0;
        for (std::size_t i : changed[t])
            q->bindValue(k++, toVariant(columns_[i].type, columns_[i].value));
        q->bindValue(k, QVariant(keys_[cur_ * stride_ + t]));
        const bool ok = q->exec();
        const QSqlError error = ok ? QSqlError() : q->lastError();
        q->finish();
        if (!ok) {
            store_->reportFailure(error);
            return false;
        }
    }
    return true;
}

bool CDAOEFSet::Impl::update() {
    if (edit_ == Edit::None) {
        // After an add or edit that could not start (already reported) the
        // update fails quietly: the caller learns it from LastOpFailed.
        if (refused_)
            silentFailure_ = true;
        else
            vantora::db::reportError(CDAOEFSet::MsgUpdateWithoutEdit);
        refused_ = false;
        return false;
    }
    const bool adding = edit_ == Edit::Adding;
    const std::size_t keysBefore = keys_.size();
    const long liveBefore = live_;
    // One statement is atomic by itself; several (a joined view) are
    // wrapped so that a failure leaves none of them behind.
    const bool several = tables_.size() > 1;
    bool ok = !several || store_->exec(QStringLiteral("SAVEPOINT vantora_row"));
    if (ok)
        ok = adding ? insertRow() : updateRow();
    if (several) {
        if (!ok)
            store_->exec(QStringLiteral("ROLLBACK TO vantora_row"));
        store_->exec(QStringLiteral("RELEASE vantora_row"));
    }
    edit_ = Edit::None;
    if (!ok) {
        keys_.resize(keysBefore);
        live_ = liveBefore;
        store_->unlock();
        return false;
    }
    if (!store_->unlock()) {
        // The commit failed and was rolled back: the added row is not there.
        keys_.resize(keysBefore);
        live_ = liveBefore;
        return false;
    }
    return true;
}

bool CDAOEFSet::Impl::deleteCurrent() {
    dropPending();
    if (isDeleted())
        return false;
    if (atEnd()) {
        vantora::db::reportError(MsgNoCurrent);
        return false;
    }
    if (tables_.size() > 1) {
        vantora::db::reportError(MsgJoinedDelete);
        return false;
    }
    QSqlQuery* q = store_->prepared(deleteSql_);
    if (!q)
        return false;
    if (!store_->lock())
        return false;
    q->bindValue(0, QVariant(keys_[cur_ * stride_]));
    const bool ok = q->exec();
    const QSqlError error = ok ? QSqlError() : q->lastError();
    q->finish();
    if (!ok) {
        store_->unlock();
        store_->reportFailure(error);
        return false;
    }
    if (!store_->unlock())
        return false;
    keys_[cur_ * stride_] = Tombstone;
    --live_;
    ++tombstones_;
    onDeleted_ = true;
    return true;
}
