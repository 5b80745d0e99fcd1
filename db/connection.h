#pragma once
// One named Qt Sql connection per thread and store (a file, or the tables
// of a store on a PostgreSQL server), with the store's write lock. Every set of a thread that works
// on the same file shares the connection, and so its transaction: the write lock is taken with
// BEGIN IMMEDIATE when the first set starts an add, edit or delete, and
// committed when the last one finishes.
//
// The store files are never created here: a missing, unreadable or
// non-SQLite file is reported with a clear "Error: ..." notice.
//
// On a server the write lock is the transaction: rows are locked as they
// are written, and opEdit locks its row when it reads it again, so that
// programs on other computers wait only for the rows they share. A server
// that cannot be reached is reported once until it is back; each use of a
// store whose connection broke tries to connect again.

#include <QByteArray>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantora::db {

class Store {
public:
    Store(std::string path, QString connectionName);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    const std::string& path() const { return path_; }
    // The path as shown in messages: a server's URI without its password.
    std::string shownPath() const;
    bool onServer() const { return !uri_.empty(); }
    void setServer(std::string uri) { uri_ = std::move(uri); }

    // Reports an error of a statement of this store: a lost server once per
    // outage, a row lock that could not be had as a locked store, anything
    // else with the engine's text.
    void reportFailure(const QSqlError& error);

    // Takes the write lock, or joins the one this thread already holds on
    // the store. False, after a notice, when the engine refuses (another
    // program kept the store locked for longer than the busy timeout).
    bool lock();
    // Gives back one hold on the write lock; the last hold commits. False,
    // after a notice, when the commit failed (the work was rolled back).
    bool unlock();
    // Holds taken through lock() and not yet given back.
    int holds() const { return holds_; }

    // Bulk work: while a batch is open, writes share one transaction that
    // is committed whenever it has been held for the batch interval and no
    // set is in the middle of an add or edit. A commit that fails is an
    // error of the whole batch: it is reported once, unlock() and endBatch()
    // return false, and every later write of the batch is refused quietly.
    bool beginBatch();
    bool endBatch();
    bool inBatch() const { return batches_ > 0; }
    bool batchFailed() const { return failed_; }
    // Gives up what the batch has not committed yet (rolled back); later
    // writes of the batch are refused quietly.
    void abandonBatch();

    // Bulk work that counts what reached the store: `before` runs inside
    // each commit, just ahead of it (false fails the commit), and `after`
    // learns whether the commit succeeded. An empty watch removes it.
    struct CommitWatch {
        std::function<bool()> before;
        std::function<void(bool committed)> after;
    };
    void setCommitWatch(CommitWatch watch) { watch_ = std::move(watch); }

    // Bulk inserts on a server: inside a batch, rows added by a set that
    // never returns to them are sent together, one COPY per table, before
    // the next statement or commit of this store. A failed COPY fails the
    // transaction, so the commit reports it and nothing of it counts. False
    // (after a notice) when rows already queued could not be sent.
    bool queueRow(const QString& table, const QStringList& columns,
                  const std::vector<QVariant>& values);
    bool queuesRows() const { return onServer() && batches_ > 0; }

    // Runs one statement of transaction control ("SAVEPOINT x" ...); false
    // after a notice.
    bool exec(const QString& statement);

    // Column names of a table in their order, read once per connection;
    // empty (after a notice) when the table does not exist.
    QStringList columns(const QString& table);
    // The columns of a table that hold text (TEXT affinity), read with the
    // column names.
    QStringList textColumns(const QString& table);

    // The statement for an SQL text, prepared once per connection and kept;
    // null, after a notice, when the engine refuses it. Each use binds,
    // runs, reads and finishes it before returning, so sets share it.
    QSqlQuery* prepared(const QString& sql);
    // Counts the write locks taken, so that cached rows can tell that
    // this program may have changed the store since they were read.
    unsigned long long writes() const { return writes_; }

    using Identity = std::pair<unsigned long long, unsigned long long>;
    const Identity& identity() const { return identity_; }
    void setIdentity(const Identity& identity) { identity_ = identity; }
    // Within one write transaction of a batch the store stays the batch's:
    // once its file has been checked in that transaction, the sets opened
    // for the batch's rows write where the batch writes without looking at
    // the file again. The next transaction checks it afresh.
    bool identityHeld() const {
        return batches_ > 0 && inTransaction_ && checkedTransaction_ == transactions_;
    }
    void identityChecked() { checkedTransaction_ = inTransaction_ ? transactions_ : 0; }

private:
    // On a server: connects again when the connection broke. False, after
    // the once-per-outage message, while the server cannot be reached.
    bool connected();
    // Connected, and not inside a transaction lost with its connection;
    // false counts as a failure of the statement it would have run.
    bool usable();
    // Sends the queued rows; false after a notice.
    bool flushRows();
    bool begin();
    bool commit();
    bool commitIfDue();

    std::string path_;
    QString name_;
    std::string uri_; // the server's URI, empty for a store file
    int holds_ = 0;
    int batches_ = 0;
    bool inTransaction_ = false;
    bool failed_ = false;
    bool broken_ = false; // the transaction was lost with the connection
    struct QueuedRows {
        QString table;
        QStringList columns;
        QByteArray data;
    };
    std::vector<QueuedRows> queued_;
    qsizetype queuedBytes_ = 0;
    CommitWatch watch_;
    QElapsedTimer held_;
    std::map<QString, QStringList> columns_;
    std::map<QString, QStringList> textColumns_;
    std::map<QString, std::unique_ptr<QSqlQuery>> statements_;
    unsigned long long writes_ = 0;
    Identity identity_{0, 0};
    unsigned long long transactions_ = 0; // begun so far
    unsigned long long checkedTransaction_ = 0;
};

// This thread's connection to the store at path (a file, or a server's URI,
// '#' and the store's file name), opened on first use
// and kept for the thread's life (a file replaced on disk, as by a
// compaction, is opened afresh). Null, after a notice, when the file is
// missing, unreadable or not an SQLite database.
std::shared_ptr<Store> openStore(const std::string& path);
// Whether the store answers now: opens it, or connects again, and asks the
// engine a trivial question. A server that cannot be reached is reported once
// per outage, as any use of it is.
bool storeAnswers(const std::string& path);
// False from a use of a server that could not reach it until a use that did.
bool serverReachable();

// Closes this thread's connection to the store file, so that the file can be
// moved (compaction). False when a set or batch still uses it; it then stays.
bool closeStore(const std::string& path);

// How long a write waits for another program's lock before giving up, in
// milliseconds; applies to connections opened afterwards and to the open
// ones of the calling thread.
void setBusyTimeout(int milliseconds);
int busyTimeout();

// Longest time a batch holds the write lock before committing, in ms.
void setBatchInterval(int milliseconds);
int batchInterval();

// The engine's own text of an error, without Qt's additions.
std::string errorText(const QSqlError& error);
// Shows a database error through the notice facade (exclamation icon),
// prefixed with "Error: " unless the text carries it already. An error not
// shown (already reported in another form) still counts.
void reportError(const std::string& text, bool shown = true);
// How many database errors this thread has reported so far; operations
// compare it before and after to know whether they failed.
unsigned long long errorCount();

} // namespace vantora::db
