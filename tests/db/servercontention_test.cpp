// Several programs on one server store at once: four kiosk processes
// checking members in and out while a fifth restores a workout export, and
// two processes editing rows of one table.

#include "db/connection.h"
#include "db/daosmmem.h"
#include "kiosk/touchdoc.h"
#include "kiosk/touchlayout.h"
#include "kiosk/workoutqueue.h"

#include "exportlines.h"
#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fstream>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using namespace vantora::test;
using Doc = CVantoraTouchDoc;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Kiosks = 4;
constexpr int MembersPerKiosk = 5;
constexpr auto KioskRun = std::chrono::seconds(3);
constexpr long RestoreMembers = 20;
constexpr int RestoreLines = 4000;
const char* const Stores[] = {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"};

long kioskMember(int kiosk, int n) {
    return 1000 * (kiosk + 1) + n;
}
long barcodeOf(long member) {
    return 500000 + member;
}

// What a child process says it finished, sent to the parent through a pipe.
struct Report {
    long checkIns = 0;     // members told "checked in"
    long checkOuts = 0;    // members who saw the farewell screen
    long written = 0;      // workouts the queue says reached the table
    long pending = 0;      // workouts still queued at the end
    long notices = 0;      // messages the process showed
    long restored = -1;    // rows the restore says it stored
    long notRestored = -1; // lines the restore refused
};

// A child process: runs `work` with the store connections it opens itself
// and writes its report to the pipe; never returns.
template <typename Work> pid_t spawn(int* fds, Work work) {
    if (::pipe(fds) != 0)
        return -1;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child != 0) {
        ::close(fds[1]);
        return child;
    }
    ::close(fds[0]);
    const Report report = work();
    const bool sent = ::write(fds[1], &report, sizeof report) == ssize_t(sizeof report);
    ::_exit(sent ? 0 : 2);
}

// Reads a child's report and waits for it to end; false when it failed.
bool collect(pid_t child, int fd, Report& report) {
    const bool read = ::read(fd, &report, sizeof report) == ssize_t(sizeof report);
    ::close(fd);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && read && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Lets the child processes open connections of their own.
void closeStores(const Facility& f) {
    for (const char* store : Stores)
        vantora::db::closeStore(f.storePath(store));
}

// One kiosk: its members check in and out in turn until the time is up;
// the clock moves a minute per visit so that each visit has times of its own.
Report runKiosk(Facility& f, int kiosk) {
    FakeClock clock(2026, 3, 10, 6, 0, 0);
    CWorkoutQueue queue(f.dbFolder() + "kiosk" + std::to_string(kiosk) + ".journal");
    Doc doc(queue);
    Report r;
    if (!doc.OnNewDocument())
        return r;
    const auto end = Clock::now() + KioskRun;
    for (int visit = 0; Clock::now() < end; ++visit) {
        doc.LookUpId(barcodeOf(kioskMember(kiosk, visit % MembersPerKiosk)));
        if (doc.State() == Doc::AskCheckIn) {
            doc.AnswerCheckIn(true);
            r.checkIns += doc.State() == Doc::CheckedIn;
        } else if (doc.State() == Doc::AskCheckOut) {
            // The member enters the circuits and options, then confirms.
            doc.AnswerCheckOut(true);
            if (doc.State() == Doc::EnterCircuits) {
                doc.Input(visit % 10, false);
                for (std::size_t option = 1; option < Doc::MaxOptions; ++option)
                    doc.Input(CTouchInput::Enter, false);
            }
            if (doc.State() == Doc::ConfirmWorkout)
                doc.AnswerConfirm(true);
            r.checkOuts += doc.State() == Doc::Farewell;
        }
        clock->advance(60);
        if (visit % 7 == 6)
            r.written += doc.FlushWorkouts();
    }
    r.written += doc.FlushWorkouts();
    r.pending = long(queue.Size());
    r.notices = long(f.notices().count());
    return r;
}

Report runRestore(Facility& f, const std::string& path) {
    const CDAOEFSet::RestoreSummary summary = restoreFile(Kind::Workouts, path);
    Report r;
    r.restored = summary.restored;
    r.notRestored = summary.skipped;
    r.notices = long(f.notices().count());
    return r;
}

TEST(ServerContention, FourKiosksAndARestoreLoseNothingAndDoubleNothing) {
    if (!serverRun())
        GTEST_SKIP() << "the server lets programs write side by side; files take turns";
    Facility f;
    addPlainMembers(f, RestoreMembers);
    for (int k = 0; k < Kiosks; ++k) {
        for (int n = 0; n < MembersPerKiosk; ++n) {
            MemberData m = plainMember(kioskMember(k, n), barcodeOf(kioskMember(k, n)));
            m.status = 1;
            m.classes.push_back(ClassData{0, "FIT", "FIT 101", "01"});
            addMember(m);
        }
    }
    const std::string exportFile = f.backFolder() + "workouts.dat";
    {
        std::ofstream out(exportFile, std::ios::binary);
        for (int n = 0; n < RestoreLines; ++n)
            out << workoutLine(1 + n % RestoreMembers, n);
    }
    closeStores(f);

    std::array<pid_t, Kiosks + 1> children{};
    std::array<std::array<int, 2>, Kiosks + 1> pipes{};
    for (int k = 0; k < Kiosks; ++k) {
        children[k] = spawn(pipes[k].data(), [&] { return runKiosk(f, k); });
        ASSERT_GT(children[k], 0);
    }
    children[Kiosks] = spawn(pipes[Kiosks].data(), [&] { return runRestore(f, exportFile); });
    ASSERT_GT(children[Kiosks], 0);

    std::array<Report, Kiosks + 1> reports;
    for (int c = 0; c <= Kiosks; ++c)
        EXPECT_TRUE(collect(children[c], pipes[c][0], reports[c])) << "child " << c;

    long checkIns = 0, checkOuts = 0;
    for (int k = 0; k < Kiosks; ++k) {
        const Report& r = reports[k];
        EXPECT_GT(r.checkOuts, 0) << "kiosk " << k;
        EXPECT_EQ(r.checkOuts, r.written) << "kiosk " << k;
        EXPECT_EQ(0, r.pending) << "kiosk " << k;
        EXPECT_EQ(0, r.notices) << "kiosk " << k;
        const std::string members = "MemberID BETWEEN " + std::to_string(kioskMember(k, 0)) +
                                    " AND " + std::to_string(kioskMember(k, MembersPerKiosk - 1));
        EXPECT_EQ(r.written,
                  f.count("members.mdb", "SELECT COUNT(*) FROM Workouts WHERE " + members))
            << "kiosk " << k;
        EXPECT_EQ(r.checkIns - r.checkOuts,
                  f.count("chkin.mdb", "SELECT COUNT(*) FROM ChkIn WHERE " + members))
            << "kiosk " << k;
        checkIns += r.checkIns;
        checkOuts += r.checkOuts;
    }
    EXPECT_EQ(0, f.count("members.mdb", "SELECT COUNT(*) FROM (SELECT MemberID, CheckIn FROM "
                                        "Workouts GROUP BY MemberID, CheckIn, ClassIndx "
                                        "HAVING COUNT(*) > 1) AS doubled"));
    EXPECT_EQ(0, f.count("chkin.mdb", "SELECT COUNT(*) FROM (SELECT MemberID FROM ChkIn GROUP BY "
                                      "MemberID HAVING COUNT(*) > 1) AS doubled"));

    const Report& restore = reports[Kiosks];
    EXPECT_EQ(RestoreLines, restore.restored);
    EXPECT_EQ(0, restore.notRestored);
    EXPECT_EQ(0, restore.notices);
    EXPECT_EQ(restore.restored,
              f.count("members.mdb", "SELECT COUNT(*) FROM Workouts WHERE MemberID <= " +
                                         std::to_string(RestoreMembers)));
    EXPECT_EQ(checkOuts + RestoreLines, f.count("members.mdb", "SELECT COUNT(*) FROM Workouts"));
    RecordProperty("visits", std::to_string(checkIns + checkOuts));
}

// Edits a member's first name; true when the edit was stored.
bool rename(long member, const std::string& name) {
    CDAOSmMem mem;
    if (mem.FindMember(CDAOSmMem::idMember, member) == 0)
        return false;
    mem.Op(CDAOEFSet::opEdit);
    if (mem.LastOpFailed())
        return false;
    mem.FirstName = name;
    mem.Op(CDAOEFSet::opUpdate);
    return !mem.LastOpFailed();
}

TEST(ServerContention, EditsOfOtherRowsGoOnWhileARowIsHeldAndTheHeldRowTimesOut) {
    if (!serverRun())
        GTEST_SKIP() << "a store file is locked whole while one program writes it";
    Facility f;
    addPlainMembers(f, 2);
    auto firstName = [&](long member) {
        return f.text("members.mdb",
                      "SELECT FirstName FROM Members WHERE MemberID = " + std::to_string(member));
    };
    int ready[2];
    ASSERT_EQ(0, ::pipe(ready));
    int fds[2];
    const pid_t holder = spawn(fds, [&] {
        // Holds its edit of member 1 open for two seconds.
        ::close(ready[0]);
        Report r;
        CDAOSmMem mem;
        mem.FindMember(CDAOSmMem::idMember, 1);
        mem.Op(CDAOEFSet::opEdit);
        mem.FirstName = "Holder";
        const char go = 1;
        if (::write(ready[1], &go, 1) != 1)
            return r;
        ::sleep(2);
        mem.Op(CDAOEFSet::opUpdate);
        r.notices = long(f.notices().count());
        r.written = !mem.LastOpFailed();
        return r;
    });
    ASSERT_GT(holder, 0);
    ::close(ready[1]);
    char go = 0;
    ASSERT_EQ(1, ::read(ready[0], &go, 1));
    ::close(ready[0]);

    // Another row of the same table is written at once.
    EXPECT_TRUE(rename(2, "Other"));
    EXPECT_EQ("Other", firstName(2));
    EXPECT_EQ("M", firstName(1)) << "the other row waited for the held edit to end";
    EXPECT_EQ(0u, f.notices().count());

    // The held row is refused after the busy timeout, before the holder is done.
    const int busyTimeout = vantora::db::busyTimeout();
    vantora::db::setBusyTimeout(200);
    EXPECT_FALSE(rename(1, "Second"));
    vantora::db::setBusyTimeout(busyTimeout);
    EXPECT_EQ(std::vector<std::string>{"Error: database is locked"}, f.notices().texts());
    EXPECT_EQ("M", firstName(1)) << "the busy timeout was not kept";

    Report r;
    ASSERT_TRUE(collect(holder, fds[0], r));
    EXPECT_EQ(1, r.written);
    EXPECT_EQ(0, r.notices);
    EXPECT_EQ("Holder", firstName(1));
    closeStores(f);
}

} // namespace
