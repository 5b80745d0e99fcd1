// The journal mode of the store files: created in write-ahead logging, and
// an older file switched at first open even while another program writes.

#include "tools/demofacility.h"

#include "db/connection.h"
#include "db/facility.h"

#include "support/testsupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <future>
#include <string>
#include <thread>

using namespace vantora::test;

namespace {

const char* const Stores[] = {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"};

// Byte 18 of the file header: 1 for a rollback journal, 2 for write-ahead
// logging. Read from the file itself, so that looking changes nothing.
int headerMode(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char header[20] = {};
    in.read(header, sizeof header);
    return in ? header[18] : -1;
}

// Runs statements on a store through a connection of its own, keeps it
// for a while and then commits and closes it: another program.
void Hold(const std::string& file, const char* sql, std::promise<void>* ready = nullptr,
          int holdMs = 0) {
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("store-mode-%1").arg(++serial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QString::fromStdString(file));
        db.open();
        for (const QString& statement : QString::fromLatin1(sql).split(QLatin1Char(';')))
            QSqlQuery(db).exec(statement);
        if (ready)
            ready->set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

TEST(StoreMode, NewStoresAreBornInWriteAheadLogging) {
    TempDir dir;
    FakeClock clock(2026, 10, 14, 9, 0, 0);
    Notices notices;
    ASSERT_EQ(vantora::db::facility::create(dir.file("plain"), {}), "");
    // The large generator fills its files another way; they end the same.
    vantora::tools::LargeOptions options;
    options.members = 5;
    options.workouts = 20;
    ASSERT_EQ(vantora::tools::createLargeFacility(dir.file("large"), {}, options), "");
    for (const char* folder : {"plain", "large"})
        for (const char* store : Stores)
            EXPECT_EQ(headerMode(dir.file(folder) + "/" + store), 2) << folder << " " << store;
}

TEST(StoreMode, AnOlderStoreSwitchesAtFirstOpenWhileAnotherProgramWrites) {
    TempDir dir;
    Notices notices;
    const std::string folder = dir.file("old");
    ASSERT_EQ(vantora::db::facility::create(folder, {}), "");
    const std::string members = folder + "/members.mdb";
    Hold(members, "PRAGMA journal_mode = DELETE");
    ASSERT_EQ(headerMode(members), 1);

    // Another program writes and commits only after the store was opened.
    std::promise<void> locked;
    std::thread other(Hold, members,
                      "BEGIN IMMEDIATE; INSERT INTO Messages (MemberID, Msg) VALUES (8, 'x')",
                      &locked, 400);
    locked.get_future().wait();
    auto store = vantora::db::openStore(members);
    other.join();

    ASSERT_NE(store, nullptr) << notices->last();
    EXPECT_EQ(notices->count(), 0u);
    EXPECT_EQ(headerMode(members), 2);
    QSqlQuery q(store->database());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*) FROM Messages")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
}
