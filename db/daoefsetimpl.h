#pragma once
// The private state of CDAOEFSet and the helpers its source files share:
// the set's state and cursor (CDAOEFSet::Impl), the failure scope of its
// operations, the bound columns and parameters and the small conversions
// used by more than one of them.

#include "daoefset.h"

#include "connection.h"
#include "sqldialect.h"

#include "util/notice.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <climits>
#include <cstddef>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantora::db::recordset {

using Type = CDAOFieldExchange::Type;

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

// Long columns hold 32-bit values; a wider stored number is cut to range.
inline long clampLong(qlonglong v) {
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<long>(v);
}

inline bool sameName(const std::string& a, const QString& b) {
    return QString::fromStdString(a).compare(b, Qt::CaseInsensitive) == 0;
}

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

} // namespace vantora::db::recordset

namespace dialect = vantora::db::dialect;
using vantora::db::Store;
using vantora::db::recordset::clampLong;
using vantora::db::recordset::Column;
using vantora::db::recordset::guarded;
using vantora::db::recordset::Param;
using vantora::db::recordset::sameName;
using vantora::db::recordset::Tombstone;
using vantora::db::recordset::Type;

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
    // Rows added are not visited again (a restore): they need not join the
    // key list, and a server may take them in bulk.
    bool appendOnly = false;

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
    QString lockedRowSql_;
    QString blockSql_;
    std::vector<QString> insertSql_;
    QString deleteSql_;

    // Rows read ahead while the cursor walks a single table forward, by
    // key; dropped when this program writes to the store, on requery and
    // on close. An edit always reads its row afresh.
    // Rows per block: more on a server, where each block is a round trip.
    static constexpr int BlockRows = 64;
    static constexpr int ServerBlockRows = 512;
    int blockRows_ = BlockRows;
    static constexpr long WalkBeforeBlocks = 4;
    std::unordered_map<qint64, std::vector<QVariant>> cache_;
    unsigned long long cacheWrites_ = 0;
    long walked_ = 0; // consecutive moves to the next row
};

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
