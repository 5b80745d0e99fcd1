#include "db/storecopy.h"

#include "db/connection.h"
#include "db/schema.h"
#include "db/serverconnection.h"
#include "util/facilitylocation.h"
#include "util/format.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace vantora::db::storecopy {

namespace fs = std::filesystem;

namespace {

// Rows sent in one COPY: a few megabytes at a time.
constexpr int batchRows = 10000;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString quotedName(std::string_view name) {
    return QLatin1Char('"') + q(name) + QLatin1Char('"');
}

// A named connection of its own, closed and removed when it goes; the
// QSqlDatabase handles taken from it must be gone by then.
class Connection {
public:
    Connection() {
        static std::atomic<int> serial{0};
        name_ = QStringLiteral("vantora-store-copy-%1").arg(++serial);
    }
    ~Connection() {
        {
            QSqlDatabase db = database();
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& name() const { return name_; }
    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

// Opens a store file for reading only and checks it as every program does
// before its sets read it: an existing SQLite file of this system holding
// the store's tables and columns.
std::string openFile(const Connection& connection, const fs::path& file, schema::Store store) {
    std::error_code ec;
    if (!fs::exists(file, ec) || ec)
        return insert("Error: the database file \"%1\" does not exist", {file.string()});
    if (!fs::is_regular_file(file, ec) || ec)
        return insert("Error: \"%1\" is not a database file", {file.string()});

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection.name());
    if (!db.isValid())
        return "Error: the SQLite driver of Qt Sql is not available";
    // Opened for writing, as the engine reads a file in write-ahead logging
    // only so; query_only keeps the copy from changing it.
    db.setDatabaseName(QString::fromStdString(file.string()));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout()));
    if (!db.open())
        return insert("Error: cannot open the database file \"%1\": %2",
                      {file.string(), errorText(db.lastError())});
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA query_only = 1")) ||
        !query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return insert("Error: cannot open the database file \"%1\": %2",
                      {file.string(), errorText(query.lastError())});
    query.finish();
    return schema::verify(db, store);
}

// The largest key the file's table ever gave out: its key generator's
// value, which stays past the keys of deleted rows.
bool usedKeys(QSqlDatabase& file, const schema::Table& table, long long& largest,
              std::string& error) {
    QSqlQuery query(file);
    query.prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"));
    query.addBindValue(q(table.name));
    if (!query.exec()) {
        error = insert("Error: cannot read the table %1 of the files (%2)",
                       {table.name, errorText(query.lastError())});
        return false;
    }
    if (query.next())
        largest = std::max(largest, query.value(0).toLongLong());
    return true;
}

long long countRows(QSqlDatabase& db, const schema::Table& table, std::string& error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(table.name))) ||
        !query.next()) {
        error = errorText(query.lastError());
        return -1;
    }
    return query.value(0).toLongLong();
}

class TableCopy {
public:
    TableCopy(QSqlDatabase& file, QSqlDatabase& server, const schema::Table& table)
        : file_(file), server_(server), table_(table) {
        names_ << q(schema::keyColumn);
        for (const schema::Column& c : table.columns)
            names_ << q(c.name);
        QStringList columns;
        for (const QString& name : names_)
            columns << QLatin1Char('"') + name + QLatin1Char('"');
        columns_ = columns.join(QStringLiteral(", "));
        width_ = static_cast<int>(names_.size());
    }

    // Copies every row in key order; the rows copied, or -1 with `error`.
    long long run(std::string& error) {
        // The indexes are built once the rows are in, which is much faster
        // than keeping them up to date row by row.
        if (!runEach(indexDrops(), error))
            return -1;
        QSqlQuery read(file_);
        read.setForwardOnly(true);
        read.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!read.exec(
                QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                    .arg(columns_, quotedName(table_.name), quotedName(schema::keyColumn)))) {
            error = insert("Error: cannot read the table %1 of the files (%2)",
                           {table_.name, errorText(read.lastError())});
            return -1;
        }
        QByteArray rows;
        int count = 0;
        std::vector<QVariant> values(static_cast<std::size_t>(width_));
        while (read.next()) {
            for (int i = 0; i < width_; ++i)
                values[static_cast<std::size_t>(i)] = read.value(i);
            server::appendCopyRow(rows, values);
            largestKey_ = std::max(largestKey_, values.front().toLongLong());
            if (++count == batchRows) {
                if (!send(rows, count, error))
                    return -1;
                rows.clear();
                count = 0;
            }
        }
        if (read.lastError().isValid()) {
            error = insert("Error: cannot read the table %1 of the files (%2)",
                           {table_.name, errorText(read.lastError())});
            return -1;
        }
        if (count > 0 && !send(rows, count, error))
            return -1;
        if (!runEach(indexBuilds(), error) || !usedKeys(file_, table_, largestKey_, error) ||
            !setKeyGenerator(error))
            return -1;
        return copied_;
    }

private:
    QStringList indexDrops() const {
        QStringList out;
        for (const schema::Index& ix : table_.indexes)
            out << QStringLiteral("DROP INDEX %1").arg(quotedName(ix.name));
        return out;
    }

    // The table's CREATE INDEX statements as the tables were created with,
    // and a fresh look at its rows for the server's planner.
    QStringList indexBuilds() const {
        QStringList out;
        for (const std::string& statement :
             schema::statements(table_.store, schema::Engine::Server)) {
            for (const schema::Index& ix : table_.indexes) {
                if (statement.starts_with("CREATE INDEX \"" + std::string(ix.name) + "\" "))
                    out << q(statement);
            }
        }
        out << QStringLiteral("ANALYZE %1").arg(quotedName(table_.name));
        return out;
    }

    bool runEach(const QStringList& statements, std::string& error) {
        QSqlQuery query(server_);
        for (const QString& statement : statements) {
            if (!query.exec(statement)) {
                error = insert("Error: cannot copy the table %1 to the server (%2)",
                               {table_.name, errorText(query.lastError())});
                return false;
            }
        }
        return true;
    }

    // Sends a batch of rows in one COPY, the server's fastest way in.
    bool send(const QByteArray& rows, int count, std::string& error) {
        if (const QSqlError failed = server::copyRows(server_, q(table_.name), names_, rows);
            failed.isValid()) {
            error = insert("Error: cannot copy the table %1 to the server (%2)",
                           {table_.name, errorText(failed)});
            return false;
        }
        copied_ += count;
        return true;
    }

    // The server's key generator continues past every key the files used;
    // without any, it starts at 1.
    bool setKeyGenerator(std::string& error) {
        QSqlQuery query(server_);
        query.prepare(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), ?, ?)"));
        query.addBindValue(quotedName(table_.name));
        query.addBindValue(q(schema::keyColumn));
        query.addBindValue(std::max(largestKey_, 1LL));
        query.addBindValue(largestKey_ > 0);
        if (!query.exec()) {
            error = insert("Error: cannot set the keys of the table %1 on the server (%2)",
                           {table_.name, errorText(query.lastError())});
            return false;
        }
        return true;
    }

    QSqlDatabase& file_;
    QSqlDatabase& server_;
    const schema::Table& table_;
    QStringList names_; // the key first
    QString columns_;
    int width_ = 1;
    long long copied_ = 0;
    long long largestKey_ = 0;
};

// The copy inside the open server transaction; an "Error: ..." text when it
// must be rolled back.
std::string copyAll(std::array<Connection, schema::stores.size()>& files, QSqlDatabase& server,
                    const TableCopied& tableCopied, Result& result) {
    for (schema::Store store : schema::stores) {
        if (std::string error = schema::createTables(server, store); !error.empty())
            return error;
    }
    for (std::size_t i = 0; i < schema::stores.size(); ++i) {
        QSqlDatabase file = files[i].database();
        for (const schema::Table* table : schema::tables(schema::stores[i])) {
            std::string error;
            const long long rows = TableCopy(file, server, *table).run(error);
            if (rows < 0)
                return error;
            if (tableCopied)
                tableCopied(std::string(table->name), rows);
        }
    }
    // Counted again from the files: a program that wrote them during the
    // copy shows as a difference.
    std::string mismatch;
    for (std::size_t i = 0; i < schema::stores.size(); ++i) {
        QSqlDatabase file = files[i].database();
        for (const schema::Table* table : schema::tables(schema::stores[i])) {
            std::string error;
            TableCount count{std::string(table->name), countRows(file, *table, error), 0};
            if (count.files < 0)
                return insert("Error: cannot count the rows of the table %1 in the files (%2)",
                              {table->name, error});
            count.server = countRows(server, *table, error);
            if (count.server < 0)
                return insert("Error: cannot count the rows of the table %1 on the server (%2)",
                              {table->name, error});
            if (count.files != count.server && mismatch.empty())
                mismatch = insert("Error: the table %1 holds %2 rows in the files but %3 on the "
                                  "server; nothing was copied (was a program still writing the "
                                  "files?)",
                                  {table->name, count.files, count.server});
            result.counts.push_back(std::move(count));
        }
    }
    return mismatch;
}

} // namespace

Result copyToServer(const std::string& folder, const std::string& uri,
                    const TableCopied& tableCopied) {
    Result result;
    const std::string shown = FacilityLocation::withoutPassword(uri);
    if (FacilityLocation::isServerUri(folder)) {
        result.error = "Error: name the facility's folder first, then the server's address";
        return result;
    }
    if (!FacilityLocation::isServerUri(uri)) {
        result.error = insert(
            "Error: \"%1\" is not a server address (postgresql://user@host/database)", {shown});
        return result;
    }
    std::error_code ec;
    if (!fs::is_directory(fs::path(folder), ec)) {
        result.error = insert("Error: the folder %1 does not exist", {folder});
        return result;
    }
    bool anyStore = false;
    for (schema::Store store : schema::stores)
        anyStore = anyStore || fs::exists(fs::path(folder) / schema::fileName(store), ec);
    if (!anyStore) {
        result.error = insert("Error: %1 holds no facility (no store files)", {folder});
        return result;
    }

    std::array<Connection, schema::stores.size()> files;
    for (std::size_t i = 0; i < schema::stores.size(); ++i) {
        result.error = openFile(files[i], fs::path(folder) / schema::fileName(schema::stores[i]),
                                schema::stores[i]);
        if (!result.error.empty())
            return result;
    }

    Connection connection;
    const server::Opened opened = server::open(connection.name(), uri);
    if (opened.unreachable)
        result.error = insert("Error: the database server of %1 cannot be reached (%2)",
                              {shown, opened.error});
    else
        result.error = opened.error;
    if (!result.error.empty())
        return result;

    QSqlDatabase server = connection.database();
    if (!server.transaction()) {
        result.error =
            insert("Error: cannot write to %1 (%2)", {shown, errorText(server.lastError())});
        return result;
    }
    result.error = copyAll(files, server, tableCopied, result);
    if (result.error.empty() && !server.commit())
        result.error = insert("Error: cannot write to %1 (%2); nothing was copied",
                              {shown, errorText(server.lastError())});
    // A lost connection took its transaction with it.
    if (!result.error.empty() && server.isOpen())
        server.rollback();
    return result;
}

} // namespace vantora::db::storecopy
