// The kiosk's workout queue against a store that fails: nothing leaves the
// queue or the journal before its commit has succeeded and is on disk.

#include "kiosk/workoutqueue.h"

#include "db/connection.h"

#include "support/facility.h"
#include "support/faultydisk.h"

#include <QSqlDriver>
#include <QStandardPaths>
#include <QVariant>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using vantora::test::Facility;
using vantora::test::FaultyDisk;

namespace {

// Visits of different members, each with its own times and circuits.
void QueueVisits(CWorkoutQueue& queue, int count) {
    for (int i = 0; i < count; ++i) {
        CWorkout w;
        const CEFOleDateTime in(2026, 3, 10, 6 + i / 60 % 12, i % 60, 0);
        CEFOleDateTime out = in;
        out.AddMin(45);
        w.Set(1000 + i, 500000 + i, "", "", 1, in, out, 0);
        w.SetStnVal(0, 1 + i % 5);
        queue.QueueWorkout(w);
    }
}

// The journal as the workouts it holds, one line each.
std::string JournalOf(const std::vector<CWorkout>& workouts) {
    std::string text;
    for (const CWorkout& w : workouts)
        text += CWorkoutQueue::ToLine(w);
    return text;
}

long long Stored(const Facility& f) {
    return f.count("members.mdb", "SELECT COUNT(*) FROM Workouts");
}

} // namespace

TEST(WorkoutQueueFlush, AFailedCommitKeepsItsVisitsQueuedAndJournaledAndIsToldOnce) {
    VANTORA_SKIP_ON_SERVER("the disk fills up under SQLite's own file system");
    // Commits of 256 workouts; the disk fills at the nth.
    for (const int failingCommit : {1, 2, 3}) {
        FaultyDisk disk;
        Facility f;
        CWorkoutQueue queue(f.dbFolder() + "touch.journal");
        QueueVisits(queue, 600);
        disk.FailCommit("members.mdb", failingCommit);

        const int written = queue.FlushWorkouts();
        EXPECT_TRUE(disk.Tripped());
        EXPECT_EQ(written, 256 * (failingCommit - 1));
        EXPECT_EQ(Stored(f), written);
        EXPECT_EQ(queue.Size(), 600u - written);
        EXPECT_EQ(vantora::test::readFile(queue.JournalPath()), JournalOf(queue.Pending()));
        ASSERT_EQ(f.notices().count(), 1u);
        EXPECT_EQ(f.notices().last(), "Error: " + std::to_string(600 - written) +
                                          " workout(s) could not be written to the Workouts "
                                          "table: database or disk is full\nThey are kept and "
                                          "will be written later.")
            << failingCommit;

        // Still full: the next attempt keeps everything and says nothing more.
        EXPECT_EQ(queue.FlushWorkouts(), 0);
        EXPECT_EQ(queue.Size(), 600u - written);
        EXPECT_EQ(f.notices().count(), 1u);

        disk.Heal();
        EXPECT_EQ(queue.FlushWorkouts(), 600 - written);
        EXPECT_EQ(Stored(f), 600);
        EXPECT_TRUE(queue.Empty());
        EXPECT_FALSE(std::filesystem::exists(queue.JournalPath()));
        EXPECT_EQ(f.notices().count(), 1u);
    }
}

namespace {

// Runs after a commit in write-ahead logging has completed: the kiosk dies
// right there, when the commit was made durable (a full sync), and exits
// with 6 otherwise.
int DieAfterCommit(void*, sqlite3* db, const char*, int) {
    sqlite3_stmt* level = nullptr;
    int synchronous = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA synchronous", -1, &level, nullptr) == SQLITE_OK &&
        sqlite3_step(level) == SQLITE_ROW)
        synchronous = sqlite3_column_int(level, 0);
    sqlite3_finalize(level);
    if (synchronous >= 2)
        ::raise(SIGKILL);
    ::_exit(6);
}

} // namespace

TEST(WorkoutQueueFlush, AKioskKilledRightAfterTheCommitStillHasItsVisitsJournaled) {
    VANTORA_SKIP_ON_SERVER("the kiosk is killed from SQLite's commit hook");
    Facility f;
    const std::string journal = f.dbFolder() + "touch.journal";
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        CWorkoutQueue queue(journal);
        QueueVisits(queue, 3);
        const auto store = vantora::db::openStore(f.storePath("members.mdb"));
        if (!store)
            ::_exit(3);
        const QVariant handle = store->database().driver()->handle();
        if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
            ::_exit(4);
        sqlite3_wal_hook(*static_cast<sqlite3* const*>(handle.data()), DieAfterCommit, nullptr);
        queue.FlushWorkouts();
        ::_exit(5); // no commit took place
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(Stored(f), 3);

    // The journal still covers the three visits; the next start finds them
    // stored and writes none twice.
    CWorkoutQueue next(journal);
    EXPECT_EQ(next.Recover(), 3);
    EXPECT_EQ(next.FlushWorkouts(), 0);
    EXPECT_TRUE(next.Empty());
    EXPECT_EQ(Stored(f), 3);
    EXPECT_FALSE(std::filesystem::exists(journal));
    EXPECT_EQ(f.notices().count(), 0u);
}

TEST(WorkoutJournal, LiesBesideTheStoreFilesOrOnThisComputerWhenTheStoresAreOnAServer) {
    QStandardPaths::setTestModeEnabled(true);
    vantora::FacilityLocation files;
    files.setStores("/srv/gym");
    EXPECT_EQ(CWorkoutQueue::JournalFolder(files), "/srv/gym/");

    vantora::FacilityLocation server;
    server.setStores("postgresql://desk@db.example/gym");
    const std::string local = CWorkoutQueue::JournalFolder(server);
    EXPECT_EQ(local,
              QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString() +
                  "/");
    EXPECT_TRUE(std::filesystem::is_directory(local)) << local;
}
