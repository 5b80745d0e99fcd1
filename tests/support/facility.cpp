#include "support/facility.h"

#include "db/connection.h"
#include "db/facility.h"
#include "db/serverconnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace vantora::test {

namespace {

// Hands the query to `use` after running sql on an open connection; false
// (after a test failure) when the statement fails. The server gets the SQL
// of the store files in its own names, as the record sets give it.
template <typename Use>
bool runOn(QSqlDatabase& db, const std::string& where, const std::string& sql, bool onServer,
           Use& use) {
    QSqlQuery query(db);
    const QString text = QString::fromStdString(sql);
    if (!query.exec(onServer ? db::server::adapt(text) : text)) {
        ADD_FAILURE() << "SQL failed on " << where << ": " << sql << ": "
                      << query.lastError().text().toStdString();
        return false;
    }
    use(query);
    return true;
}

QString nextConnectionName() {
    static std::atomic<int> serial{0};
    return QStringLiteral("vantora-test-facility-%1").arg(++serial);
}

} // namespace

template <typename Use>
bool Facility::run(const std::string& store, const std::string& sql, Use use) const {
    const QString connection = nextConnectionName();
    const std::string where = onServer() ? scratch_->uri() : storePath(store);
    bool ok = false;
    {
        std::string error;
        QSqlDatabase db;
        if (onServer()) {
            error = db::server::open(connection, where).error;
            db = QSqlDatabase::database(connection, false);
        } else {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(QString::fromStdString(where));
            // Waits for a write lock that the code under test may hold a moment.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            if (!db.open())
                error = db.lastError().text().toStdString();
        }
        if (!error.empty())
            ADD_FAILURE() << "cannot open " << where << ": " << error;
        else
            ok = runOn(db, where, sql, onServer(), use);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

Facility::Facility(const std::string& name, const std::string& password)
    : name_(name), password_(password), notices_(std::make_shared<RecordedNotices>()),
      guard_(notices_) {
    const std::pair<const char*, std::string> folders[] = {
        {"VANTO_DB", dbFolder()},   {"VANTO_BACK", backFolder()}, {"VANTO_TXT", txtFolder()},
        {"VANTO_STN", stnFolder()}, {"VANTO_WT", wtFolder()},     {"VANTO_PRINT", printFolder()},
    };
    if (serverRun())
        scratch_ = std::make_unique<ScratchDatabase>();
    for (const auto& [variable, path] : folders) {
        std::filesystem::create_directories(path);
        const std::string value = variable == std::string("VANTO_DB") ? stores() : path;
        env_.push_back(std::make_unique<ScopedEnv>(variable, value.c_str()));
    }
    db::facility::Settings settings;
    settings.name = name;
    settings.password = password;
    if (const std::string error = db::facility::create(stores(), settings); !error.empty())
        throw std::runtime_error("cannot create the test facility: " + error);
}

Facility::~Facility() {
    // This thread's connections to the scratch database close before it is
    // dropped, rather than being cut off by the drop.
    if (onServer()) {
        for (const char* store : {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"})
            db::closeStore(storePath(store));
    }
}

std::string Facility::stores() const {
    return onServer() ? scratch_->uri() : dbFolder();
}

std::string Facility::storePath(const std::string& store) const {
    return onServer() ? scratch_->uri() + '#' + store : dbFolder() + store;
}

long long Facility::count(const std::string& store, const std::string& sql) const {
    long long value = 0;
    run(store, sql, [&](QSqlQuery& q) {
        if (q.next())
            value = q.value(0).toLongLong();
    });
    return value;
}

std::string Facility::text(const std::string& store, const std::string& sql) const {
    std::string value;
    run(store, sql, [&](QSqlQuery& q) {
        if (q.next())
            value = q.value(0).toString().toStdString();
    });
    return value;
}

double Facility::number(const std::string& store, const std::string& sql) const {
    double value = 0.0;
    run(store, sql, [&](QSqlQuery& q) {
        if (q.next())
            value = q.value(0).toDouble();
    });
    return value;
}

bool Facility::exec(const std::string& store, const std::string& sql) const {
    return run(store, sql, [](QSqlQuery&) {});
}

} // namespace vantora::test
