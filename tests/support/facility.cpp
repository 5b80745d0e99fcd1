#include "support/facility.h"

#include "db/facility.h"

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

// Runs sql on the store and hands the query to `use` while the connection is
// open; false (after a test failure) when the file cannot be opened or the
// statement fails.
template <typename Use> bool runSql(const std::string& path, const std::string& sql, Use use) {
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("vantora-test-facility-%1").arg(++serial);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QString::fromStdString(path));
        // Waits for a write lock that the code under test may hold a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            ADD_FAILURE() << "cannot open " << path << ": " << db.lastError().text().toStdString();
        } else {
            {
                QSqlQuery query(db);
                if (!query.exec(QString::fromStdString(sql))) {
                    ADD_FAILURE() << "SQL failed on " << path << ": " << sql << ": "
                                  << query.lastError().text().toStdString();
                } else {
                    use(query);
                    ok = true;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace

Facility::Facility(const std::string& name, const std::string& password)
    : name_(name), password_(password), notices_(std::make_shared<RecordedNotices>()),
      guard_(notices_) {
    const std::pair<const char*, std::string> folders[] = {
        {"VANTO_DB", dbFolder()},   {"VANTO_BACK", backFolder()}, {"VANTO_TXT", txtFolder()},
        {"VANTO_STN", stnFolder()}, {"VANTO_WT", wtFolder()},     {"VANTO_PRINT", printFolder()},
    };
    for (const auto& [variable, path] : folders) {
        std::filesystem::create_directories(path);
        env_.push_back(std::make_unique<ScopedEnv>(variable, path.c_str()));
    }
    db::facility::Settings settings;
    settings.name = name;
    settings.password = password;
    if (const std::string error = db::facility::create(dbFolder(), settings); !error.empty())
        throw std::runtime_error("cannot create the test facility: " + error);
}

Facility::~Facility() = default;

long long Facility::count(const std::string& store, const std::string& sql) const {
    long long value = 0;
    runSql(storePath(store), sql, [&](QSqlQuery& q) {
        if (q.next())
            value = q.value(0).toLongLong();
    });
    return value;
}

std::string Facility::text(const std::string& store, const std::string& sql) const {
    std::string value;
    runSql(storePath(store), sql, [&](QSqlQuery& q) {
        if (q.next())
            value = q.value(0).toString().toStdString();
    });
    return value;
}

double Facility::number(const std::string& store, const std::string& sql) const {
    double value = 0.0;
    runSql(storePath(store), sql, [&](QSqlQuery& q) {
        if (q.next())
            value = q.value(0).toDouble();
    });
    return value;
}

bool Facility::exec(const std::string& store, const std::string& sql) const {
    return runSql(storePath(store), sql, [](QSqlQuery&) {});
}

} // namespace vantora::test
