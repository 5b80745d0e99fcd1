#include "daoefset.h"

#include "batchscope.h"
#include "connection.h"
#include "sqldialect.h"

#include "util/format.h"
#include "util/notice.h"
#include "util/text.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace dialect = vantora::db::dialect;
using vantora::db::Store;
using Type = CDAOFieldExchange::Type;

int CDAOFieldExchange::ColumnCount() const {
    int n = 0;
    for (const auto& b : bindings_)
        n += b.param ? 0 : 1;
    return n;
}

int CDAOFieldExchange::ParamCount() const {
    return static_cast<int>(bindings_.size()) - ColumnCount();
}

namespace {

constexpr const char* MsgNoCurrent = "Error: no current record";
constexpr const char* MsgRowDeleted = "Error: the record has been deleted by another user";
constexpr const char* MsgJoinedDelete =
    "Error: a record of a joined view cannot be deleted through the view";

// Marks a row of the key list deleted through this set.
constexpr qint64 Tombstone = std::numeric_limits<qint64>::min();

struct Column {
    Type type;
    void* value;
    std::size_t table;     // index into the set's tables
    std::string name;      // column name in its table
    std::string reference; // quoted "Table"."Column"
};

struct Param {
    std::string name;
    Type type;
    void* value;
};

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

// Long columns hold 32-bit values; a wider stored number is cut to range.
long clampLong(qlonglong v) {
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<long>(v);
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

bool sameName(const std::string& a, const QString& b) {
    return QString::fromStdString(a).compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

// ---- the set's state ---------------------------------------------------------

class CDAOEFSet::Impl {
public:
    explicit Impl(CDAOEFSet& owner) : owner_(owner) {}
    ~Impl() { close(); }

    bool isOpen() const { return open_; }
    std::size_t total() const { return stride_ ? keys_.size() / stride_ : 0; }
    long live() const { return live_; }
    bool gone(std::size_t row) const { return keys_[row * stride_] == Tombstone; }
    bool atEnd() const { return !onDeleted_ && cur_ >= total(); }
    bool isBOF() const { return live_ == 0; }
    bool isDeleted() const { return onDeleted_ || missing_; }
    bool editing() const { return edit_ != Edit::None; }
    // A failure that was not reported again, taken once.
    bool takeSilentFailure() { return std::exchange(silentFailure_, false); }
    bool silentFailure_ = false;

    long position() const {
        if (!open_ || atEnd() || onDeleted_)
            return -1;
        if (tombstones_ == 0)
            return static_cast<long>(cur_);
        long p = 0;
        for (std::size_t r = 0; r < cur_; ++r)
            p += gone(r) ? 0 : 1;
        return p;
    }

    // Opens the set, or requeries it when open; false after a notice, with
    // the set closed.
    bool open() {
        dropPending();
        if (!bind() || !runKeyQuery()) {
            close();
            return false;
        }
        open_ = true;
        return moveTo(firstLive());
    }

    // Closes the set and lets go of its connection.
    void close() {
        dropPending();
        cache_.clear();
        store_.reset();
        bound_ = false;
        open_ = false;
        keys_.clear();
        live_ = 0;
        tombstones_ = 0;
        cur_ = 0;
        onDeleted_ = false;
        missing_ = false;
    }

    // Drops an add or edit that was not stored and gives back its lock.
    void dropPending() {
        refused_ = false;
        if (edit_ == Edit::None)
            return;
        edit_ = Edit::None;
        if (store_)
            store_->unlock();
    }

    std::size_t firstLive() const { return nextLive(0); }
    std::size_t nextLive(std::size_t from) const {
        std::size_t n = total();
        while (from < n && gone(from))
            ++from;
        return from;
    }
    std::size_t lastLive() const {
        std::size_t r = total();
        while (r > 0) {
            --r;
            if (!gone(r))
                return r;
        }
        return total();
    }
    // Index of the live row at a 0-based position, or total() for none.
    std::size_t liveAt(long position) const {
        if (position < 0 || position >= live_)
            return total();
        if (tombstones_ == 0)
            return static_cast<std::size_t>(position);
        long seen = 0;
        for (std::size_t r = 0; r < total(); ++r) {
            if (gone(r))
                continue;
            if (seen++ == position)
                return r;
        }
        return total();
    }

    // Puts the cursor on a row index (total() is the end) and reads the row.
    bool moveTo(std::size_t row, bool walking = false) {
        dropPending();
        walked_ = walking ? walked_ + 1 : 0;
        cur_ = row;
        onDeleted_ = false;
        missing_ = false;
        if (row >= total())
            return true;
        return fetch();
    }

    bool moveFirst() { return isBOF() ? true : moveTo(firstLive()); }
    bool moveNext() {
        if (atEnd())
            return true;
        return moveTo(nextLive(onDeleted_ ? cur_ : cur_ + 1), true);
    }
    bool moveLast() { return atEnd() ? true : moveTo(lastLive()); }

    bool addNew(bool reset = true);
    bool startEdit();
    bool update();
    bool deleteCurrent();

    long maxRecords = 0;

private:
    enum class Edit { None, Adding, Editing };

    bool bind();
    bool runKeyQuery();
    bool isTextColumn(const dialect::ColumnName& c) const {
        for (std::size_t t = 0; t < tables_.size(); ++t) {
            if (!c.table.empty() && !sameName(c.table, QString::fromStdString(tables_[t])))
                continue;
            for (const auto& text : textColumns_[t])
                if (sameName(c.column, text))
                    return true;
            if (!c.table.empty())
                return false;
        }
        return false;
    }
    bool fetch(bool fresh = false);
    bool fetchBlock();
    bool insertRow();
    bool updateRow();
    void buildStatements();

    CDAOEFSet& owner_;
    std::shared_ptr<Store> store_;
    bool bound_ = false;
    std::vector<std::string> tables_;
    std::vector<Column> columns_;
    std::vector<Param> params_;
    std::set<std::string> paramNames_;
    std::set<std::string> textParams_;
    std::vector<QStringList> textColumns_; // per table
    std::map<std::string, const Param*> paramByName_;
    // Per table, the columns written when a row is added; for a joined view
    // a column also fills the same-named columns of the other tables that
    // bind none of their own (the join columns).
    std::vector<std::vector<std::size_t>> insertColumns_;

    bool open_ = false;
    std::vector<qint64> keys_; // stride_ keys per row, one per table
    std::size_t stride_ = 1;
    long live_ = 0;
    long tombstones_ = 0;
    std::size_t cur_ = 0;
    bool onDeleted_ = false; // the current row was deleted through this set
    bool missing_ = false;   // the current row was deleted by someone else

    Edit edit_ = Edit::None;
    bool refused_ = false; // the last add or edit could not start
    std::vector<QVariant> snapshot_;

    // SQL of the statements the set runs, prepared and kept by the store.
    QString rowSql_;
    QString blockSql_;
    std::vector<QString> insertSql_;
    QString deleteSql_;

    // Rows read ahead while the cursor walks a single table forward, by
    // key; dropped when this program writes to the store, on requery and
    // on close. An edit always reads its row afresh.
    static constexpr int BlockRows = 64;
    static constexpr long WalkBeforeBlocks = 4;
    std::unordered_map<qint64, std::vector<QVariant>> cache_;
    unsigned long long cacheWrites_ = 0;
    long walked_ = 0; // consecutive moves to the next row
};

bool CDAOEFSet::Impl::bind() {
    if (bound_)
        return true;
    if (!store_) {
        store_ = vantora::db::openStore(owner_.GetDefaultDBName());
        if (!store_)
            return false;
    }
    const std::string from = owner_.GetDefaultSQL();
    std::vector<std::string> tables = dialect::tables(from);
    if (tables.empty()) {
        vantora::db::reportError(
            vantora::insert("Error: \"%1\" is not a table or a list of tables", {from}));
        return false;
    }
    std::vector<QStringList> tableColumns;
    for (const auto& t : tables) {
        QStringList cols = store_->columns(QString::fromStdString(t));
        if (cols.isEmpty())
            return false;
        tableColumns.push_back(cols);
    }

    CDAOFieldExchange fx;
    owner_.DoFieldExchange(fx);
    if ((owner_.m_nFields != 0 && fx.ColumnCount() != owner_.m_nFields) ||
        fx.ParamCount() != owner_.m_nParams) {
        vantora::db::reportError(vantora::insert(
            "Error: the record set binds %1 columns and %2 parameters but declares %3 and %4",
            {fx.ColumnCount(), fx.ParamCount(), owner_.m_nFields, owner_.m_nParams}));
        return false;
    }

    std::vector<Column> columns;
    std::vector<Param> params;
    for (const auto& b : fx.Bindings()) {
        if (b.param) {
            params.push_back(Param{b.name, b.type, b.value});
            continue;
        }
        const dialect::ColumnName name = dialect::splitColumn(b.name);
        const QString wanted = QString::fromStdString(name.column);
        std::size_t table = tables.size();
        QString actual;
        for (std::size_t t = 0; t < tables.size() && table == tables.size(); ++t) {
            if (!name.table.empty() && !sameName(name.table, QString::fromStdString(tables[t])))
                continue;
            for (const auto& c : tableColumns[t]) {
                if (c.compare(wanted, Qt::CaseInsensitive) == 0) {
                    table = t;
                    actual = c;
                    break;
                }
            }
        }
        if (table == tables.size()) {
            vantora::db::reportError(
                vantora::insert("Error: the column \"%1\" is not in \"%2\"", {b.name, from}));
            return false;
        }
        columns.push_back(Column{b.type, b.value, table, actual.toStdString(),
                                 dialect::reference({tables[table], actual.toStdString()})});
    }

    insertColumns_.assign(tables.size(), {});
    for (std::size_t i = 0; i < columns.size(); ++i)
        insertColumns_[columns[i].table].push_back(i);
    if (tables.size() > 1) {
        for (std::size_t t = 0; t < tables.size(); ++t) {
            std::vector<std::size_t> shared;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (columns[i].table == t)
                    continue;
                bool ownBinding = false;
                for (std::size_t j : insertColumns_[t])
                    ownBinding = ownBinding ||
                                 sameName(columns[j].name, QString::fromStdString(columns[i].name));
                bool exists = false;
                for (const auto& c : tableColumns[t])
                    exists = exists || sameName(columns[i].name, c);
                bool taken = false;
                for (std::size_t j : shared)
                    taken =
                        taken || sameName(columns[j].name, QString::fromStdString(columns[i].name));
                if (exists && !ownBinding && !taken)
                    shared.push_back(i);
            }
            insertColumns_[t].insert(insertColumns_[t].end(), shared.begin(), shared.end());
        }
    }

    tables_ = std::move(tables);
    columns_ = std::move(columns);
    params_ = std::move(params);
    paramNames_.clear();
    textParams_.clear();
    paramByName_.clear();
    textColumns_.clear();
    for (const auto& t : tables_)
        textColumns_.push_back(store_->textColumns(QString::fromStdString(t)));
    for (const auto& p : params_) {
        paramNames_.insert(p.name);
        if (p.type == Type::Text)
            textParams_.insert(p.name);
        paramByName_.emplace(p.name, &p);
    }
    stride_ = tables_.size();
    buildStatements();
    bound_ = true;
    return true;
}

void CDAOEFSet::Impl::buildStatements() {
    std::string cols, from, where;
    for (const auto& c : columns_)
        cols += (cols.empty() ? "" : ", ") + c.reference;
    if (cols.empty())
        cols = "1";
    for (const auto& t : tables_) {
        from += (from.empty() ? "" : ", ") + dialect::quote(t);
        where += (where.empty() ? "" : " AND ") + dialect::quote(t) + "._key = ?";
    }
    rowSql_ = QString::fromStdString(dialect::select(cols, from, where, "", 0));
    std::string marks;
    for (int i = 0; i < BlockRows; ++i)
        marks += i ? ", ?" : "?";
    blockSql_ = QString::fromStdString(
        dialect::select(dialect::quote(tables_[0]) + "._key, " + cols, from,
                        dialect::quote(tables_[0]) + "._key IN (" + marks + ")", "", 0));
    insertSql_.clear();
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        std::string names, values;
        for (std::size_t i : insertColumns_[t]) {
            names += (names.empty() ? "" : ", ") + dialect::quote(columns_[i].name);
            values += values.empty() ? "?" : ", ?";
        }
        std::string sql = "INSERT INTO " + dialect::quote(tables_[t]);
        sql += names.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + values + ")";
        insertSql_.push_back(QString::fromStdString(sql));
    }
    deleteSql_ =
        QString::fromStdString("DELETE FROM " + dialect::quote(tables_[0]) + " WHERE _key = ?");
}

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
    const std::string error = ok ? std::string() : vantora::db::errorText(q->lastError());
    q->finish();
    if (!ok) {
        keys_.clear();
        vantora::db::reportError(error);
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
    QSqlQuery* q = store_->prepared(rowSql_);
    if (!q)
        return false;
    for (std::size_t k = 0; k < stride_; ++k)
        q->bindValue(static_cast<int>(k), QVariant(keys_[cur_ * stride_ + k]));
    if (!q->exec()) {
        const std::string error = vantora::db::errorText(q->lastError());
        q->finish();
        vantora::db::reportError(error);
        return false;
    }
    missing_ = !q->next();
    if (missing_ && q->lastError().isValid()) {
        const std::string error = vantora::db::errorText(q->lastError());
        q->finish();
        vantora::db::reportError(error);
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
    for (std::size_t r = cur_; r < total() && bound < BlockRows; ++r) {
        if (!gone(r))
            q->bindValue(bound++, QVariant(keys_[r]));
    }
    for (int b = bound; b < BlockRows; ++b)
        q->bindValue(b, QVariant(keys_[cur_]));
    cache_.clear();
    cacheWrites_ = store_->writes();
    if (!q->exec()) {
        const std::string error = vantora::db::errorText(q->lastError());
        q->finish();
        vantora::db::reportError(error);
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
    std::vector<qint64> added(stride_);
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        QSqlQuery* q = store_->prepared(insertSql_[t]);
        if (!q)
            return false;
        const auto& cols = insertColumns_[t];
        for (std::size_t i = 0; i < cols.size(); ++i)
            q->bindValue(static_cast<int>(i),
                         toVariant(columns_[cols[i]].type, columns_[cols[i]].value));
        const bool ok = q->exec();
        const std::string error = ok ? std::string() : vantora::db::errorText(q->lastError());
        added[t] = ok ? q->lastInsertId().toLongLong() : 0;
        q->finish();
        if (!ok) {
            vantora::db::reportError(error);
            return false;
        }
    }
    keys_.insert(keys_.end(), added.begin(), added.end());
    ++live_;
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
        const std::string error = ok ? std::string() : vantora::db::errorText(q->lastError());
        q->finish();
        if (!ok) {
            vantora::db::reportError(error);
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
    const std::string error = ok ? std::string() : vantora::db::errorText(q->lastError());
    q->finish();
    if (!ok) {
        store_->unlock();
        vantora::db::reportError(error);
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

// ---- CDAOEFSet -----------------------------------------------------------------

// Sets the failure flag of the outermost operation in progress from the
// errors reported while it ran.
class CDAOEFSet::FailureScope {
public:
    explicit FailureScope(CDAOEFSet& set)
        : set_(set), errors_(vantora::db::errorCount()), outer_(!set.m_bInOperation) {
        set_.m_bInOperation = true;
    }
    ~FailureScope() {
        if (!outer_)
            return;
        set_.m_bInOperation = false;
        set_.m_bLastOpFailed = set_.d_->takeSilentFailure() || vantora::db::errorCount() != errors_;
    }
    FailureScope(const FailureScope&) = delete;
    FailureScope& operator=(const FailureScope&) = delete;

private:
    CDAOEFSet& set_;
    unsigned long long errors_;
    bool outer_;
};

namespace {

// Runs one operation of the set; an exception (out of memory) is reported
// like a database error and the fallback is returned.
template <typename F, typename R> R guarded(F&& f, R fallback) {
    try {
        return f();
    } catch (const std::exception& e) {
        vantora::db::reportError(e.what());
    } catch (...) {
        vantora::db::reportError("unexpected failure");
    }
    return fallback;
}

// The folder a variable names, ending in a slash; empty when unset, with
// the message shown when one is given.
std::string folderFromEnv(const char* name, const char* message) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        if (message != nullptr)
            vantora::notice::show(message, vantora::notice::Icon::Exclamation);
        return std::string();
    }
    std::string path = value;
    CEFFile::ParsePath(path);
    return path;
}

} // namespace

CDAOEFSet::CDAOEFSet() : d_(std::make_unique<Impl>(*this)) {
    datetimeParam0 = 0.0;
    datetimeParam1 = 0.0;
    datetimeParam2 = 0.0;
    m_strDBPath = folderFromEnv("VANTO_DB", MsgNoDB);
    // The backup folder is reported when it is needed: most sets never
    // touch it, and a program that does not back up (the kiosk) would show
    // the message for every set it opens.
    m_strFilePath = folderFromEnv("VANTO_BACK", nullptr);
}

std::string CDAOEFSet::GetFilePath() const {
    if (m_strFilePath.empty())
        vantora::notice::show(MsgNoBack, vantora::notice::Icon::Exclamation);
    return m_strFilePath;
}

CDAOEFSet::~CDAOEFSet() = default;

void CDAOEFSet::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Param("lParam0", lParam0);
    fx.Param("lParam1", lParam1);
    fx.Param("lParam2", lParam2);
    fx.Param("sParam0", sParam0);
    fx.Param("sParam1", sParam1);
    fx.Param("sParam2", sParam2);
    fx.Param("byteParam0", byteParam0);
    fx.Param("byteParam1", byteParam1);
    fx.Param("byteParam2", byteParam2);
    fx.Param("strParam0", strParam0);
    fx.Param("strParam1", strParam1);
    fx.Param("strParam2", strParam2);
    fx.Param("datetimeParam0", datetimeParam0);
    fx.Param("datetimeParam1", datetimeParam1);
    fx.Param("datetimeParam2", datetimeParam2);
}

int CDAOEFSet::OpenSet(bool count) {
    FailureScope scope(*this);
    return guarded(
        [&]() -> int {
            if (!d_->open())
                return 0;
            return count ? static_cast<int>(d_->live()) : 0;
        },
        0);
}

void CDAOEFSet::Op(int const& operation) {
    FailureScope scope(*this);
    guarded(
        [&]() -> int {
            if (!d_->isOpen())
                return 0;
            switch (operation) {
            case opAddNew:
                d_->addNew();
                break;
            case opEdit:
                d_->startEdit();
                break;
            case opUpdate:
                d_->update();
                break;
            case opDelete:
                d_->deleteCurrent();
                break;
            case opMoveFirst:
                if (!IsBOF())
                    d_->moveFirst();
                break;
            case opMoveNext:
                if (!IsEOF())
                    d_->moveNext();
                break;
            case opMoveLast:
                if (!IsEOF())
                    d_->moveLast();
                break;
            case opRequery:
                d_->open();
                break;
            case opClose:
                d_->close();
                break;
            default:
                break;
            }
            return 0;
        },
        0);
}

bool CDAOEFSet::MoveSet(int const& position) {
    FailureScope scope(*this);
    return guarded(
        [&]() -> bool {
            if (!d_->isOpen())
                return false;
            // Stepping from the first row, deleted rows have no position of
            // their own, so the wanted row is the live row at the position.
            const std::size_t row = d_->liveAt(position);
            if (!d_->moveTo(row))
                return false;
            if (d_->atEnd())
                return false;
            if (d_->isDeleted()) {
                d_->moveTo(d_->total());
                return false;
            }
            return true;
        },
        false);
}

int CDAOEFSet::CountSet() {
    FailureScope scope(*this);
    return guarded(
        [&]() -> int {
            if (!d_->isOpen())
                return 0;
            const int count = static_cast<int>(d_->live());
            d_->moveFirst();
            return count;
        },
        0);
}

long CDAOEFSet::GenerateKey() const {
    // One generator for the process: reseeding from the clock gave keys
    // made within the same millisecond the same value.
    return static_cast<long>(QRandomGenerator::global()->bounded(32768));
}

int CDAOEFSet::IsEOF() {
    return guarded([&]() -> int { return !d_->isOpen() || d_->atEnd(); }, 1);
}

void CDAOEFSet::DelCurrent() {
    FailureScope scope(*this);
    Op(opDelete);
    Op(opMoveNext);
}

void CDAOEFSet::Del(int const& position) {
    FailureScope scope(*this);
    if (MoveSet(position))
        DelCurrent();
}

int CDAOEFSet::DelAll() {
    FailureScope scope(*this);
    return guarded(
        [&]() -> int {
            if (!d_->isOpen())
                return 0;
            const auto errors = vantora::db::errorCount();
            CBatchScope batch(*this);
            int deleted = 0;
            d_->moveFirst();
            // Stops at the first failure: a store that refuses one delete
            // (locked, read-only) refuses the rest, and one message is enough.
            while (!IsEOF() && vantora::db::errorCount() == errors) {
                if (!d_->isDeleted() && d_->deleteCurrent())
                    ++deleted;
                d_->moveNext();
            }
            return deleted;
        },
        0);
}

void CDAOEFSet::Save(CText*) const {}

bool CDAOEFSet::Test(std::ifstream&, char const&) const {
    return false;
}

int CDAOEFSet::Restore(std::ifstream&, char const&, long const&, bool const&) {
    return 0;
}

bool CDAOEFSet::IsOpen() const {
    return d_->isOpen();
}
bool CDAOEFSet::IsBOF() const {
    return !d_->isOpen() || d_->isBOF();
}
bool CDAOEFSet::IsDeleted() const {
    return d_->isOpen() && d_->isDeleted();
}
long CDAOEFSet::GetAbsolutePosition() const {
    return d_->position();
}
long CDAOEFSet::GetRecordCount() const {
    return d_->isOpen() ? d_->live() : 0;
}
bool CDAOEFSet::IsEditing() const {
    return d_->editing();
}
void CDAOEFSet::SetMaxRecords(long n) {
    d_->maxRecords = n < 0 ? 0 : n;
}

void CDAOEFSet::ReportError(std::string const& text) {
    vantora::db::reportError(text);
}

// ---- record exchange helpers ---------------------------------------------------

std::string CDAOEFSet::ReadField(std::istream& in, char const& delimiter, std::size_t maxLen) {
    std::string field;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == static_cast<unsigned char>(delimiter))
            break;
        if (c == '\n') {
            // A short line: its missing fields read empty, and the line end
            // is left for the last field.
            in.unget();
            break;
        }
        if (field.size() < maxLen)
            field += static_cast<char>(c);
    }
    if (in.eof())
        in.clear(in.rdstate() & ~std::ios::failbit);
    if (!field.empty() && field.back() == '\r')
        field.pop_back();
    return field;
}

std::string CDAOEFSet::ReadLastField(std::istream& in, std::size_t maxLen) {
    std::string field;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == '\n')
            break;
        if (field.size() <= maxLen)
            field += static_cast<char>(c);
    }
    if (in.eof())
        in.clear(in.rdstate() & ~std::ios::failbit);
    if (!field.empty() && field.back() == '\r')
        field.pop_back();
    if (field.size() > maxLen)
        field.resize(maxLen);
    return field;
}

bool CDAOEFSet::ReadLine(std::istream& in, std::string& line) {
    line.clear();
    if (!in.good() || in.peek() == std::char_traits<char>::eof())
        return false;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool CDAOEFSet::SplitFields(std::string const& line, char const& delimiter, std::size_t count,
                            std::vector<std::string>& fields, std::size_t maxLen) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(delimiter, start);
        const std::size_t stop = end == std::string::npos ? line.size() : end;
        fields.push_back(line.substr(start, std::min(stop - start, maxLen)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return fields.size() == count;
}

void CDAOEFSet::SkipLine(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

bool CDAOEFSet::HasRecord(std::istream& in) {
    if (!in.good())
        return false;
    for (;;) {
        const int c = in.peek();
        if (c == std::char_traits<char>::eof())
            return false;
        if (c != '\n' && c != '\r')
            return true;
        in.get();
    }
}

long CDAOEFSet::ToLong(std::string const& text) {
    return clampLong(std::strtoll(text.c_str(), nullptr, 10));
}

short CDAOEFSet::ToShort(std::string const& text) {
    return static_cast<short>(ToLong(text));
}

unsigned char CDAOEFSet::ToByte(std::string const& text) {
    return static_cast<unsigned char>(ToLong(text));
}

double CDAOEFSet::ToDouble(std::string const& text) {
    return std::strtod(text.c_str(), nullptr);
}

CEFOleDateTime CDAOEFSet::ToDateTime(std::string const& text) {
    return CEFOleDateTime::ParseLongYear(text);
}

std::string CDAOEFSet::ExportPathFileName(char const* pattern) const {
    CEFOleDateTime now;
    now.Current();
    return vantora::insert(pattern, {GetFilePath(), now.UnformattedDateTimeStr()});
}

bool CDAOEFSet::BindDayRange(CEFOleDateTime& from, CEFOleDateTime& to) {
    from.Midnight();
    to.PreMidnight();
    // A range with an unreadable end would select by a meaningless value.
    if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid) {
        vantora::notice::show(CEFOleDateTime::MsgInvalid, vantora::notice::Icon::Exclamation);
        return false;
    }
    datetimeParam0 = from;
    datetimeParam1 = to;
    return true;
}

// ---- the restore routine -------------------------------------------------------

namespace {

// Identity of the rest of an export file: its size and a hash of its bytes
// (64-bit FNV-1a); the stream is left where it was. Size -1 when the stream
// cannot be read twice.
std::pair<long long, long long> streamIdentity(std::istream& in) {
    const std::streampos start = in.tellg();
    if (start == std::streampos(-1))
        return {-1, 0};
    unsigned long long hash = 1469598103934665603ULL;
    long long size = 0;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const std::streamsize n = in.gcount();
        for (std::streamsize i = 0; i < n; ++i) {
            hash ^= static_cast<unsigned char>(buffer[i]);
            hash *= 1099511628211ULL;
        }
        size += n;
    }
    in.clear();
    in.seekg(start);
    return {size, static_cast<long long>(hash)};
}

constexpr const char* ProgressTable =
    "CREATE TABLE IF NOT EXISTS RestoreProgress (FileKind TEXT NOT NULL, FileSize INTEGER NOT "
    "NULL, FileHash INTEGER NOT NULL, MemberID INTEGER NOT NULL, Flag INTEGER NOT NULL, "
    "LastLine INTEGER NOT NULL, PRIMARY KEY (FileKind, FileSize, FileHash, MemberID, Flag))";
constexpr const char* ProgressKey =
    " WHERE FileKind = ? AND FileSize = ? AND FileHash = ? AND MemberID = ? AND Flag = ?";

struct ProgressRecord {
    QString kind;
    long long size = -1;
    long long hash = 0;
    long memberId = 0;
    int flag = 0;

    void bindKey(QSqlQuery& q, int first) const {
        q.bindValue(first, kind);
        q.bindValue(first + 1, size);
        q.bindValue(first + 2, hash);
        q.bindValue(first + 3, static_cast<qlonglong>(memberId));
        q.bindValue(first + 4, flag);
    }
};

bool runProgress(Store& store, const QString& sql, const ProgressRecord& key, long line,
                 long* found = nullptr) {
    QSqlQuery* q = store.prepared(sql);
    if (!q)
        return false;
    key.bindKey(*q, 0);
    if (sql.startsWith(QStringLiteral("INSERT")))
        q->bindValue(5, static_cast<qlonglong>(line));
    bool ok = q->exec();
    if (ok && found)
        *found = q->next() ? static_cast<long>(q->value(0).toLongLong()) : 0;
    ok = ok && !q->lastError().isValid();
    const std::string error = ok ? std::string() : vantora::db::errorText(q->lastError());
    q->finish();
    if (!ok)
        vantora::db::reportError(error);
    return ok;
}

bool validUtf8(const std::string& s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned long cp = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        static constexpr unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

} // namespace

namespace {
// The text without the blanks that pad a field.
std::string_view trimmed(std::string const& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string_view();
    return std::string_view(text).substr(first, text.find_last_not_of(" \t") - first + 1);
}
} // namespace

bool CDAOEFSet::ParseLong(std::string const& field, long lo, long hi, long& out) {
    std::string_view text = trimmed(field);
    // Digits with an optional sign, nothing else (no blanks, no fraction).
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return false;
    }
    if (text.empty() || text.size() > 19)
        return false;
    long long v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return false;
    out = static_cast<long>(v);
    return true;
}

bool CDAOEFSet::ParseShort(std::string const& text, short lo, short hi, short& out) {
    long v = 0;
    if (!ParseLong(text, lo, hi, v))
        return false;
    out = static_cast<short>(v);
    return true;
}

bool CDAOEFSet::ParseByte(std::string const& text, unsigned char lo, unsigned char hi,
                          unsigned char& out) {
    long v = 0;
    if (!ParseLong(text, lo, hi, v))
        return false;
    out = static_cast<unsigned char>(v);
    return true;
}

bool CDAOEFSet::ParseDouble(std::string const& field, double lo, double hi, double& out) {
    const std::string_view text = trimmed(field);
    // Plain decimal notation as the export writes it: no "nan", "inf" or
    // hexadecimal forms.
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    const char* begin = text.data();
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        ++begin;
    double v = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), v);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(v) || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool CDAOEFSet::ParseDateTime(std::string const& text, bool allowEmpty, CEFOleDateTime& out) {
    const CEFOleDateTime v = ToDateTime(text);
    if (v.GetStatus() == COleDateTime::valid || (allowEmpty && text.empty())) {
        out = v;
        return true;
    }
    return false;
}

void CDAOEFSet::DecodeLine(std::string& line) {
    if (validUtf8(line))
        return;
    std::string out;
    out.reserve(line.size() + line.size() / 4);
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    line = std::move(out);
}

std::string CDAOEFSet::RestoreMessage(RestoreSummary const& summary) {
    std::string text = vantora::format("You have restored %i record(s).", {summary.restored});
    if (summary.skipped > 0) {
        std::string lines;
        for (long n : summary.skippedLines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(n);
        if (static_cast<std::size_t>(summary.skipped) > summary.skippedLines.size())
            lines += vantora::format(
                " and %i more", {summary.skipped - static_cast<int>(summary.skippedLines.size())});
        text += vantora::insert("\n%1 damaged line(s) were skipped: line %2.",
                                {summary.skipped, lines});
    }
    if (summary.stopped && summary.stoppedAt > 0)
        text += vantora::format("\nThe restore stopped at line %i; run it again to finish it.",
                                {static_cast<int>(summary.stoppedAt)});
    return text;
}

bool CDAOEFSet::RestoreStoreReady() {
    m_restore = RestoreSummary{};
    // An unset folder was reported when the set was made.
    m_restore.stopped =
        GetDBPath().empty() || vantora::db::openStore(GetDefaultDBName()) == nullptr;
    return !m_restore.stopped;
}

std::vector<std::string> CDAOEFSet::ReadRestoreFields(std::istream& in, char const& delimiter,
                                                      std::size_t count) {
    // Longer fields are cut to their column later; the rest of an over-long
    // one is skipped so that the next stays in step.
    constexpr std::size_t ReadLimit = 4096;
    std::vector<std::string> f;
    for (std::size_t i = 0; i < count; ++i) {
        f.push_back(ReadField(in, delimiter, ReadLimit));
        DecodeLine(f.back());
    }
    return f;
}

int CDAOEFSet::StoreRestored(bool edit, std::function<void()> const& take) {
    if (edit)
        Op(opEdit);
    take();
    if (!edit)
        AddNewAsIs();
    Op(opUpdate);
    return LastOpFailed() ? 0 : 1;
}

void CDAOEFSet::AddNewAsIs() {
    FailureScope scope(*this);
    guarded(
        [&]() -> int {
            if (d_->isOpen())
                d_->addNew(false);
            return 0;
        },
        0);
}

int CDAOEFSet::RestoreRecords(std::istream& in, char const* kind, long memberId, int flag,
                              LineReader const& read) {
    m_restore = RestoreSummary{};
    m_restore.stopped = true;
    if (GetDBPath().empty())
        return 0;
    const std::shared_ptr<Store> store = vantora::db::openStore(GetDefaultDBName());
    if (!store)
        return 0;
    if (!store->beginBatch()) {
        store->endBatch();
        return 0;
    }

    ProgressRecord key;
    long resumeAfter = 0;
    if (kind) {
        key.kind = QString::fromLatin1(kind);
        std::tie(key.size, key.hash) = streamIdentity(in);
        key.memberId = memberId;
        key.flag = flag;
        if (key.size >= 0 && (!store->exec(QString::fromLatin1(ProgressTable)) ||
                              !runProgress(*store,
                                           QStringLiteral("SELECT LastLine FROM RestoreProgress") +
                                               QString::fromLatin1(ProgressKey),
                                           key, 0, &resumeAfter))) {
            store->endBatch();
            return 0;
        }
    }
    const bool tracked = kind && key.size >= 0;

    long lineNo = 0;   // lines read
    long lineDone = 0; // lines whose records are written (or passed over)
    int pending = 0;   // records written and not committed yet
    bool finished = false;
    // Each commit carries the progress of the lines before it; the last one
    // removes it.
    store->setCommitWatch(Store::CommitWatch{
        [&]() -> bool {
            if (!tracked)
                return true;
            if (finished)
                return runProgress(*store,
                                   QStringLiteral("DELETE FROM RestoreProgress") +
                                       QString::fromLatin1(ProgressKey),
                                   key, 0);
            return runProgress(*store,
                               QStringLiteral("INSERT OR REPLACE INTO RestoreProgress (FileKind, "
                                              "FileSize, FileHash, MemberID, Flag, LastLine) "
                                              "VALUES (?, ?, ?, ?, ?, ?)"),
                               key, lineDone);
        },
        [&](bool committed) {
            if (committed)
                m_restore.restored += pending;
            pending = 0;
        }});
    // The batch and the watch, which refers to this frame, end with it
    // however it is left.
    struct BatchEnd {
        Store& store;
        bool ended = false;
        bool end() {
            ended = true;
            return store.endBatch();
        }
        ~BatchEnd() {
            if (!ended)
                store.endBatch();
            store.setCommitWatch({});
        }
    } batchEnd{*store};

    bool failed = false;
    std::string line;
    while (ReadLine(in, line)) {
        ++lineNo;
        if (lineNo <= resumeAfter || line.empty()) {
            lineDone = lineNo;
            continue;
        }
        DecodeLine(line);
        // The record's own hold on the write lock: no commit falls inside it.
        if (!store->lock()) {
            failed = true;
            break;
        }
        const RestoreLine r = guarded([&]() { return read(line); }, lineFailed);
        lineDone = lineNo;
        if (r == lineFailed) {
            // What is not committed goes, the half record with it.
            store->abandonBatch();
            pending = 0;
            store->unlock();
            failed = true;
            break;
        }
        if (r == lineStored || r == lineStoredLast)
            ++pending;
        if (r == lineDamaged) {
            if (m_restore.skippedLines.size() < MaxListedLines)
                m_restore.skippedLines.push_back(lineNo);
            ++m_restore.skipped;
        }
        if (!store->unlock()) {
            failed = true;
            break;
        }
        if (r == lineStoredLast || r == linePassedLast)
            break;
    }
    finished = !failed;
    // The last commit removes the progress record, so the batch must end
    // with one.
    if (tracked && finished && store->lock())
        store->unlock();
    if (!batchEnd.end())
        failed = true;
    m_restore.stopped = failed;
    m_restore.stoppedAt = failed ? std::max(lineNo, 1L) : 0;
    return m_restore.restored;
}
