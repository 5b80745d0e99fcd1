// A restore killed at random points (a child process, SIGKILL) and run
// again: the store ends with every record of the file once, and never with
// half a record.

#include "db/connection.h"

#include "exportlines.h"
#include "support/facility.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantora::test;

namespace {

class InterruptedRestore : public testing::TestWithParam<Kind> {};

TEST_P(InterruptedRestore, RunAgainFinishesWithoutDoublingAnything) {
    const Kind kind = GetParam();
    // Enough lines that the child is still at work when it is killed.
    const int Lines = kind == Kind::Workouts || kind == Kind::BodyComps ? 20000 : 6000;
    constexpr long Members = 60;
    Facility facility;
    if (kind != Kind::Members)
        addPlainMembers(facility, Members);
    const std::string path = facility.backFolder() + "restore.dat";
    writeFile(path, kind, Lines, Members);

    std::mt19937 random(static_cast<unsigned>(kind) + 7u);
    std::uniform_int_distribution<int> pause(5, 60);
    int killed = 0;
    bool finished = false;
    for (int round = 0; round < 5 && !finished; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            vantora::db::setBatchInterval(2);
            restoreFile(kind, path);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFSIGNALED(status))
            ++killed;
        else
            finished = true;
        EXPECT_EQ(strayRows(facility, kind), 0) << "after round " << round;
    }
    EXPECT_GT(killed, 0);
    if (!finished) {
        const auto last = restoreFile(kind, path);
        EXPECT_FALSE(last.stopped);
    }
    EXPECT_EQ(wholeRecords(facility, kind), Lines);
    EXPECT_EQ(strayRows(facility, kind), 0);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM RestoreProgress"), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryReader, InterruptedRestore,
                         testing::Values(Kind::Members, Kind::Workouts, Kind::BodyComps,
                                         Kind::Evaluations),
                         [](const testing::TestParamInfo<Kind>& info) {
                             return std::string(kindName(info.param));
                         });

} // namespace
