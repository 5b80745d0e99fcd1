#include "connection.h"

#include "networkfolder.h"
#include "schema.h"
#include "serverconnection.h"

#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"

#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

#include <sys/stat.h>

namespace vantora::db {

namespace {

std::atomic<int> g_busyTimeout{5000};
std::atomic<int> g_batchInterval{200};
std::atomic<unsigned long long> g_connectionSerial{0};

// The stores this thread has open, closed at thread exit. A store whose
// file was replaced or removed is dropped from here when the next store is
// opened; sets still using it keep it until they let go.
struct Registry {
    std::map<std::string, std::shared_ptr<Store>> stores;
    // The normal form of each absolute path asked for, so that opening a
    // set on a known store is one look-up and one check of the file.
    std::map<std::string, std::string, std::less<>> keys;
};

// Identity of a file on disk, to notice a store file that was replaced.
std::pair<unsigned long long, unsigned long long> fileIdentity(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {0, 0};
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

Registry& registry() {
    thread_local Registry r;
    return r;
}

bool runPragma(QSqlDatabase& db, const QString& pragma, QSqlError& error) {
    QSqlQuery q(db);
    if (!q.exec(pragma)) {
        error = q.lastError();
        return false;
    }
    while (q.next()) {
    }
    q.finish();
    return true;
}

} // namespace

std::string errorText(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    if (text.isEmpty())
        text = error.text();
    return text.trimmed().toStdString();
}

namespace {
thread_local unsigned long long t_errors = 0;
}

unsigned long long errorCount() {
    return t_errors;
}

void reportError(const std::string& text, bool shown) {
    ++t_errors;
    if (!shown)
        return;
    notice::show(text.rfind("Error: ", 0) == 0 ? text : "Error: " + text,
                 notice::Icon::Exclamation);
}

void setBusyTimeout(int milliseconds) {
    g_busyTimeout = milliseconds < 0 ? 0 : milliseconds;
    for (auto& [path, store] : registry().stores) {
        QSqlDatabase db = store->database();
        QSqlError ignored;
        runPragma(db,
                  store->onServer()
                      ? QStringLiteral("SET lock_timeout = %1").arg(g_busyTimeout.load())
                      : QStringLiteral("PRAGMA busy_timeout = %1").arg(g_busyTimeout.load()),
                  ignored);
    }
}

int busyTimeout() {
    return g_busyTimeout;
}

void setBatchInterval(int milliseconds) {
    g_batchInterval = milliseconds < 1 ? 1 : milliseconds;
}

int batchInterval() {
    return g_batchInterval;
}

Store::Store(std::string path, QString connectionName)
    : path_(std::move(path)), name_(std::move(connectionName)) {}

Store::~Store() {
    queued_.clear();
    statements_.clear();
    {
        QSqlDatabase db = database();
        if (db.isOpen()) {
            if (inTransaction_) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("COMMIT"));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name_);
}

std::string Store::shownPath() const {
    return FacilityLocation::withoutPassword(path_);
}

void Store::reportFailure(const QSqlError& error) {
    if (onServer()) {
        if (server::connectionLost(database())) {
            server::reportUnreachable(uri_, errorText(error));
            return;
        }
        if (server::lockTimedOut(error)) {
            reportError("database is locked");
            return;
        }
        // A statement refused because an earlier one of the transaction
        // failed: that one was reported.
        if (error.nativeErrorCode() == QLatin1String("25P02")) {
            reportError(errorText(error), false);
            return;
        }
    }
    reportError(errorText(error));
}

bool Store::connected() {
    if (!onServer())
        return true;
    QSqlDatabase db = database();
    if (!server::connectionLost(db, true))
        return true;
    // What the broken connection's transaction held is gone; the sets that
    // hold the lock learn it from their next statement and from unlock().
    queued_.clear();
    queuedBytes_ = 0;
    if (inTransaction_) {
        inTransaction_ = false;
        broken_ = true;
        if (batches_ > 0)
            failed_ = true;
    }
    statements_.clear();
    db.close();
    if (!db.open() || !server::setUpSession(db)) {
        server::reportUnreachable(uri_, errorText(db.lastError()));
        return false;
    }
    server::reached();
    if (broken_)
        reportError(
            insert("Error: the connection to the database server of %1 ended before the "
                   "changes in progress were saved; they were not stored. Enter them again.",
                   {FacilityLocation::withoutPassword(uri_)}));
    return true;
}

bool Store::usable() {
    if (!connected())
        return false;
    if (broken_) {
        // Said once when the connection was made again.
        reportError("the connection to the database server was lost", false);
        return false;
    }
    return true;
}

bool Store::begin() {
    if (!connected())
        return false;
    QSqlDatabase db = database();
    QSqlQuery q(db);
    if (!q.exec(onServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"))) {
        reportFailure(q.lastError());
        return false;
    }
    inTransaction_ = true;
    ++transactions_;
    held_.start();
    return true;
}

bool Store::queueRow(const QString& table, const QStringList& columns,
                     const std::vector<QVariant>& values) {
    if (queued_.empty() || queued_.back().table != table || queued_.back().columns != columns)
        queued_.push_back(QueuedRows{table, columns, {}});
    const qsizetype before = queued_.back().data.size();
    server::appendCopyRow(queued_.back().data, values);
    queuedBytes_ += queued_.back().data.size() - before;
    // Memory stays bounded however long the batch holds the lock.
    constexpr qsizetype FlushBytes = 8 << 20;
    return queuedBytes_ < FlushBytes || flushRows();
}

bool Store::flushRows() {
    if (queued_.empty())
        return true;
    std::vector<QueuedRows> rows = std::exchange(queued_, {});
    queuedBytes_ = 0;
    QSqlDatabase db = database();
    for (const QueuedRows& part : rows) {
        const QSqlError error = server::copyRows(db, part.table, part.columns, part.data);
        if (error.isValid()) {
            reportFailure(error);
            return false;
        }
    }
    return true;
}

bool Store::commit() {
    // Rows queued for the server go with the commit or fail it.
    flushRows();
    QSqlDatabase db = database();
    // The watch reports its own failure.
    bool ok = !watch_.before || watch_.before();
    // A server ends a transaction in which a statement failed with a
    // rollback, even when asked to commit; that failure was reported.
    if (ok && onServer() && server::transactionFailed(db)) {
        reportError("the transaction was rolled back after an error", false);
        ok = false;
    }
    QSqlError error;
    if (ok) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("COMMIT"))) {
            inTransaction_ = false;
            if (watch_.after)
                watch_.after(true);
            return true;
        }
        error = q.lastError();
    }
    QSqlQuery rollback(db);
    rollback.exec(QStringLiteral("ROLLBACK"));
    inTransaction_ = false;
    if (batches_ > 0)
        failed_ = true;
    if (error.isValid())
        reportFailure(error);
    if (watch_.after)
        watch_.after(false);
    return false;
}

bool Store::lock() {
    ++writes_;
    // After a failed commit the batch's writes are refused: the failure has
    // been reported once, and rows written now would outlive the ones lost.
    if (failed_ && batches_ > 0)
        return false;
    // Writes that belonged to a transaction lost with its connection wait
    // until every set has let go of it.
    if (broken_ && holds_ > 0)
        return false;
    if (!inTransaction_ && !begin())
        return false;
    ++holds_;
    return true;
}

bool Store::unlock() {
    if (holds_ == 0)
        return true;
    --holds_;
    if (broken_) {
        if (holds_ == 0)
            broken_ = false;
        return false;
    }
    if (holds_ > batches_)
        return true;
    if (batches_ == 0)
        return inTransaction_ ? commit() : true;
    return commitIfDue();
}

// Inside a batch, commits when the lock has been held long enough and only
// the batch holds it; the next write takes the lock again, so another
// program waiting for it gets its turn in between. False when the commit
// failed.
bool Store::commitIfDue() {
    if (!inTransaction_ || holds_ != batches_ || held_.elapsed() < g_batchInterval)
        return true;
    return commit();
}

void Store::abandonBatch() {
    queued_.clear();
    queuedBytes_ = 0;
    if (inTransaction_) {
        QSqlQuery rollback(database());
        rollback.exec(QStringLiteral("ROLLBACK"));
        inTransaction_ = false;
    }
    if (batches_ > 0)
        failed_ = true;
}

bool Store::beginBatch() {
    ++batches_;
    ++holds_;
    if (!inTransaction_ && !begin()) {
        // Carry on without the batch's own transaction: each write then
        // takes the lock for itself.
        return false;
    }
    return true;
}

bool Store::endBatch() {
    if (batches_ == 0)
        return true;
    --batches_;
    --holds_;
    bool ok = !failed_ && !broken_;
    if (holds_ == 0 && inTransaction_)
        ok = commit() && ok;
    if (holds_ == 0)
        broken_ = false;
    if (batches_ == 0)
        failed_ = false;
    return ok;
}

bool Store::exec(const QString& statement) {
    if (!usable())
        return false;
    // A ROLLBACK TO drops queued rows with the rest; every other statement
    // comes after them.
    flushRows();
    QSqlDatabase db = database();
    QSqlQuery q(db);
    if (!q.exec(onServer() ? server::adapt(statement) : statement)) {
        reportFailure(q.lastError());
        return false;
    }
    return true;
}

QStringList Store::columns(const QString& table) {
    auto it = columns_.find(table);
    if (it != columns_.end())
        return it->second;
    QStringList names;
    if (!connected())
        return names;
    QSqlDatabase db = database();
    QSqlQuery q(db);
    bool ok = false;
    if (onServer()) {
        q.prepare(QString::fromLatin1(schema::serverColumnsQuery));
        q.addBindValue(table);
        ok = q.exec();
    } else {
        ok = q.exec(QStringLiteral("PRAGMA table_info(\"%1\")")
                        .arg(QString(table).replace(QLatin1Char('"'), QStringLiteral("\"\""))));
    }
    if (!ok) {
        reportFailure(q.lastError());
        return names;
    }
    // Rows of table_info: cid, name, type, ...; of the server: name, type.
    const int nameAt = onServer() ? 0 : 1;
    QStringList text;
    while (q.next()) {
        names << q.value(nameAt).toString();
        // SQLite's rule for text affinity; the server names its types.
        const QString type = q.value(nameAt + 1).toString().toUpper();
        if (type.contains(QStringLiteral("CHAR")) || type.contains(QStringLiteral("CLOB")) ||
            type.contains(QStringLiteral("TEXT")))
            text << q.value(nameAt).toString();
    }
    q.finish();
    if (names.isEmpty()) {
        reportError(insert("Error: the table \"%1\" does not exist in \"%2\"",
                           {table.toStdString(), shownPath()}));
        return names;
    }
    columns_[table] = names;
    textColumns_[table] = text;
    return names;
}

QStringList Store::textColumns(const QString& table) {
    if (columns_.find(table) == columns_.end())
        columns(table);
    auto it = textColumns_.find(table);
    return it == textColumns_.end() ? QStringList() : it->second;
}

QSqlQuery* Store::prepared(const QString& sql) {
    if (!usable())
        return nullptr;
    // Queued rows go before any statement that could see or change them; a
    // read of other tables (the restore's member look-ups) lets them wait.
    bool reads = sql.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
    for (const QueuedRows& part : queued_)
        reads = reads && !sql.contains(part.table, Qt::CaseInsensitive);
    if (!reads)
        flushRows();
    auto it = statements_.find(sql);
    if (it != statements_.end())
        return it->second.get();
    // Statements of filters no longer in use are dropped now and then.
    if (statements_.size() >= 128)
        statements_.clear();
    auto q = std::make_unique<QSqlQuery>(database());
    q->setForwardOnly(true);
    if (!q->prepare(onServer() ? server::adapt(sql) : sql)) {
        reportFailure(q->lastError());
        return nullptr;
    }
    return statements_.emplace(sql, std::move(q)).first->second.get();
}

namespace {

// Puts a store into write-ahead logging unless it is there already. The
// engine refuses this switch at once, without its busy wait, while another
// program writes; so it is tried again until the busy timeout has passed,
// as any other wait for a lock.
bool useWriteAheadLog(QSqlDatabase& db, QSqlError& error) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next() &&
            q.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
            return true;
        q.finish();
        if (q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) && q.next() &&
            q.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
            return true;
        error = q.lastError();
        q.finish();
        const int code = error.nativeErrorCode().toInt() & 0xff;
        const bool busy = code == 5 || code == 6; // busy, locked
        if (!busy || waited.elapsed() >= busyTimeout()) {
            if (error.type() == QSqlError::NoError)
                error = QSqlError(QString(), QStringLiteral("write-ahead logging is not available"),
                                  QSqlError::ConnectionError);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

namespace {

// A store on a server: its tables are checked when the connection is made;
// a broken connection is made again when the store is next used.
std::shared_ptr<Store> openServerStore(const std::string& path) {
    auto& stores = registry().stores;
    if (auto it = stores.find(path); it != stores.end())
        return it->second;
    std::string uri;
    std::string name;
    FacilityLocation::splitServerPath(path, uri, name);
    const auto kind = schema::storeForFile(name);
    if (!kind) {
        reportError(insert("Error: \"%1\" names no store of this system",
                           {FacilityLocation::withoutPassword(path)}));
        return nullptr;
    }
    const QString connection = QStringLiteral("vantora-store-%1").arg(++g_connectionSerial);
    auto store = std::make_shared<Store>(path, connection);
    store->setServer(uri);
    const server::Opened opened = server::open(connection, uri);
    if (!opened.error.empty()) {
        store.reset();
        if (opened.unreachable)
            server::reportUnreachable(uri, opened.error);
        else
            reportError(opened.error);
        return nullptr;
    }
    server::reached();
    std::string wrong;
    {
        QSqlDatabase db = store->database();
        wrong = schema::verify(db, *kind);
    }
    if (!wrong.empty()) {
        store.reset();
        reportError(wrong);
        return nullptr;
    }
    stores[path] = store;
    return store;
}

} // namespace

std::shared_ptr<Store> openStore(const std::string& path) {
    if (FacilityLocation::isServerUri(path))
        return openServerStore(path);
    namespace fs = std::filesystem;
    std::error_code ec;
    auto& keys = registry().keys;
    fs::path file;
    if (const auto known = keys.find(path); known != keys.end()) {
        file = known->second;
    } else {
        file = fs::absolute(fs::path(path), ec);
        if (ec)
            file = fs::path(path);
        file = file.lexically_normal();
        // A relative path depends on the working folder: not kept.
        if (fs::path(path).is_absolute())
            keys.emplace(path, file.string());
    }
    const std::string key = file.string();

    auto& stores = registry().stores;
    if (auto it = stores.find(key); it != stores.end() && it->second->identityHeld())
        return it->second;
    const auto identity = fileIdentity(key);
    if (auto it = stores.find(key); it != stores.end()) {
        if (it->second->identity() == identity) {
            it->second->identityChecked();
            return it->second;
        }
        stores.erase(it);
    }

    if (!fs::exists(file, ec) || ec) {
        reportError(insert("Error: the database file \"%1\" does not exist", {key}));
        return nullptr;
    }
    if (!fs::is_regular_file(file, ec) || ec) {
        reportError(insert("Error: \"%1\" is not a database file", {key}));
        return nullptr;
    }
    if (const std::string network = network::folderFileSystem(file.parent_path().string());
        !network.empty()) {
        reportError(network::refusal(file.parent_path().string(), network));
        return nullptr;
    }

    const QString name =
        QStringLiteral("vantora-store-%1").arg(++g_connectionSerial); // unique per thread and file
    auto store = std::make_shared<Store>(key, name);
    store->setIdentity(identity);
    QString failure;
    std::string verifyFailure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid()) {
            failure = QStringLiteral("the SQLite driver of Qt Sql is not available");
        } else {
            // mode=rw: SQLite must open an existing file and never create one.
            QUrl url = QUrl::fromLocalFile(QString::fromStdString(key));
            url.setQuery(QStringLiteral("mode=rw"));
            db.setDatabaseName(url.toString(QUrl::FullyEncoded));
            db.setConnectOptions(
                QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout()));
            QSqlError error;
            if (!db.open()) {
                failure = QString::fromStdString(errorText(db.lastError()));
            } else if (!runPragma(db, QStringLiteral("SELECT count(*) FROM sqlite_master"),
                                  error) ||
                       !useWriteAheadLog(db, error) ||
                       !runPragma(db, QStringLiteral("PRAGMA synchronous = NORMAL"), error)) {
                failure = QString::fromStdString(errorText(error));
            } else if (const auto kind = schema::storeForFile(file.filename().string())) {
                // One of the four store files: it must be one of ours, with
                // every table in place, before any set reads it.
                const std::string wrong = schema::verify(db, *kind);
                if (!wrong.empty())
                    verifyFailure = wrong;
            }
        }
    }
    if (!verifyFailure.empty()) {
        store.reset();
        reportError(verifyFailure);
        return nullptr;
    }
    if (!failure.isEmpty()) {
        store.reset(); // closes and unregisters the connection
        reportError(insert("Error: cannot open the database file \"%1\": %2",
                           {key, failure.toStdString()}));
        return nullptr;
    }
    // Forget stores whose file has gone or been replaced.
    for (auto it = stores.begin(); it != stores.end();)
        it = fileIdentity(it->first) != it->second->identity() ? stores.erase(it) : std::next(it);
    stores[key] = store;
    return store;
}

bool storeAnswers(const std::string& path) {
    const std::shared_ptr<Store> store = openStore(path);
    if (!store)
        return false;
    if (!store->onServer())
        return true;
    // Inside a transaction the question would join it; the connection was
    // checked when the transaction began.
    if (store->holds() > 0)
        return server::reachable();
    if (!store->exec(QStringLiteral("SELECT 1")))
        return false;
    server::reached();
    return true;
}

bool serverReachable() {
    return server::reachable();
}

bool closeStore(const std::string& path) {
    namespace fs = std::filesystem;
    std::string key = path;
    if (!FacilityLocation::isServerUri(path)) {
        std::error_code ec;
        fs::path file = fs::absolute(fs::path(path), ec);
        if (ec)
            file = fs::path(path);
        key = file.lexically_normal().string();
    }
    auto& stores = registry().stores;
    const auto it = stores.find(key);
    if (it == stores.end())
        return true;
    if (it->second.use_count() > 1)
        return false;
    stores.erase(it);
    return true;
}

} // namespace vantora::db
