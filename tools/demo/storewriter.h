#pragma once
// Writing the generated rows into a store file: one connection in one long
// transaction, and prepared inserts of a table's columns.

#include "db/schema.h"
#include "util/efoledatetime.h"
#include "util/format.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <atomic>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

namespace vantora::tools::demo {

namespace fs = std::filesystem;

// One connection of the generator to a store file, writing in one long
// transaction that is committed now and then.
class StoreWriter {
public:
    StoreWriter(const fs::path& file, bool fast) {
        static std::atomic<int> serial{0};
        name_ = QStringLiteral("vantora-demo-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(QString::fromStdString(file.string()));
        if (!db.open()) {
            error_ = insert("Error: cannot open %1 (%2)",
                            {file.string(), db.lastError().text().toStdString()});
            return;
        }
        if (fast) {
            // A generated file is made again rather than repaired: no waiting
            // for the disk, the journal kept in memory, a large page cache.
            for (const char* pragma : {"PRAGMA synchronous = OFF", "PRAGMA journal_mode = MEMORY",
                                       "PRAGMA cache_size = -262144"})
                QSqlQuery(db).exec(QString::fromLatin1(pragma));
            fast_ = true;
        }
        begin();
    }
    ~StoreWriter() {
        {
            QSqlDatabase db = database();
            if (db.isOpen()) {
                db.rollback();
                // Left in write-ahead logging, the mode the programs expect.
                if (fast_)
                    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(name_);
    }
    StoreWriter(const StoreWriter&) = delete;
    StoreWriter& operator=(const StoreWriter&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    void fail(std::string text) {
        if (error_.empty())
            error_ = std::move(text);
    }

    // Commits what is written and starts the next transaction.
    bool commit(bool again = true) {
        if (!ok())
            return false;
        QSqlDatabase db = database();
        if (!db.commit()) {
            fail(insert("Error: cannot write %1 (%2)",
                        {db.databaseName().toStdString(), db.lastError().text().toStdString()}));
            return false;
        }
        if (again)
            begin();
        return ok();
    }

    // Runs one statement; false after recording the error.
    bool exec(const std::string& sql) {
        QSqlQuery q(database());
        if (!ok())
            return false;
        if (!q.exec(QString::fromStdString(sql)))
            fail(insert("Error: cannot write %1 (%2)", {database().databaseName().toStdString(),
                                                        q.lastError().text().toStdString()}));
        return ok();
    }

    // The first column of the first row of a query, or nothing.
    std::optional<QVariant> value(const QString& sql) {
        QSqlQuery q(database());
        if (!q.exec(sql) || !q.next())
            return std::nullopt;
        return q.value(0);
    }

private:
    void begin() {
        QSqlDatabase db = database();
        if (!db.transaction())
            fail(insert("Error: cannot write %1 (%2)",
                        {db.databaseName().toStdString(), db.lastError().text().toStdString()}));
    }

    QString name_;
    std::string error_;
    bool fast_ = false;
};

// A prepared insert of the named columns of one table.
class Insert {
public:
    Insert(StoreWriter& store, const char* table, std::initializer_list<const char*> columns)
        : store_(store), query_(store.database()), table_(table), count_(columns.size()) {
        QString names, marks;
        for (const char* c : columns) {
            names += (names.isEmpty() ? QString() : QStringLiteral(", ")) +
                     QStringLiteral("\"%1\"").arg(QString::fromLatin1(c));
            marks += marks.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?");
        }
        if (!query_.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                .arg(QString::fromLatin1(table), names, marks)))
            store_.fail(insert("Error: cannot write the table %1 (%2)",
                               {table, query_.lastError().text().toStdString()}));
    }

    bool row(std::initializer_list<QVariant> values) {
        if (!store_.ok())
            return false;
        int i = 0;
        for (const QVariant& v : values)
            query_.bindValue(i++, v);
        if (static_cast<std::size_t>(i) != count_ || !query_.exec()) {
            store_.fail(insert("Error: cannot write the table %1 (%2)",
                               {table_, query_.lastError().text().toStdString()}));
            return false;
        }
        ++rows_;
        return true;
    }
    long rows() const { return rows_; }

private:
    StoreWriter& store_;
    QSqlQuery query_;
    const char* table_;
    std::size_t count_;
    long rows_ = 0;
};

inline QVariant Text(const std::string& s, const char* table, const char* column) {
    return QVariant(
        QString::fromStdString(db::schema::fitText(s, db::schema::textLimit(table, column))));
}
inline QVariant Num(long long v) {
    return QVariant(v);
}
inline QVariant Real(double v) {
    return QVariant(v);
}
inline QVariant When(const CEFOleDateTime& t) {
    return QVariant(t.m_dt);
}

} // namespace vantora::tools::demo
