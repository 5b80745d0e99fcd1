// Speed and memory of the desk program's member tree on a large facility:
// expanding "Members" until every member item exists, and expanding one
// member's "Workouts" folder of 250 workouts.
//
// The facility (100,000 members, 5,000,000 workouts by default) is made once
// in VANTORA_BENCH_FACILITY (default /tmp/vantora-bench-large) and kept for
// later runs; VANTORA_BENCH_MEMBERS and VANTORA_BENCH_WORKOUTS make a
// smaller one.

#include "bench/benchsupport.h"
#include "db/batchscope.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "desk/core/membertree.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace {

constexpr long MemberId = 9000002;
constexpr int Workouts = 250;

// Resident memory of this process in megabytes.
double ResidentMb() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A member with 250 workouts, one a day back from today.
void AddMemberWithWorkouts() {
    CDAOSmMem mem;
    mem.FindMember(CDAOSmMem::idMember, MemberId);
    const bool present = !mem.IsEOF();
    if (!present) {
        mem.Op(CDAOEFSet::opAddNew);
        mem.MemberID = MemberId;
        mem.FirstName = "Tree";
        mem.LastName = "Bench";
        mem.MemberStatus = 1;
        mem.Op(CDAOEFSet::opUpdate);
    }
    mem.Op(CDAOEFSet::opClose);
    if (present)
        return;
    CEFOleDateTime today;
    today.Current();
    today.Midnight();
    CDAOWk wk;
    CBatchScope batch(wk);
    wk.FindWks(MemberId);
    for (int day = 1; day <= Workouts; ++day) {
        wk.Op(CDAOEFSet::opAddNew);
        wk.MemberID = MemberId;
        wk.CheckIn = double(today) - day + 0.7;
        wk.CheckOut = double(today) - day + 0.73;
        wk.Op(CDAOEFSet::opUpdate);
    }
    wk.Op(CDAOEFSet::opClose);
}

void PrepareFacility() {
    static bool ready = false;
    if (ready)
        return;
    vantora::bench::openLargeFacility();
    AddMemberWithWorkouts();
    ready = true;
}

void BM_ExpandMembers(benchmark::State& state) {
    PrepareFacility();
    double addedMb = 0;
    int members = 0;
    for (auto _ : state) {
        const double before = ResidentMb();
        CMainViewTree tree;
        tree.fetchMore(tree.RootIndex());
        members = tree.rowCount(tree.RootIndex());
        // The first pass shows the growth; later ones reuse its freed memory.
        addedMb = std::max(addedMb, ResidentMb() - before);
        benchmark::DoNotOptimize(members);
    }
    state.counters["members"] = members;
    state.counters["added_MB"] = addedMb;
}
BENCHMARK(BM_ExpandMembers)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExpandWorkoutsOfOneMember(benchmark::State& state) {
    PrepareFacility();
    CMainViewTree tree;
    tree.AddMember(MemberId);
    const QModelIndex member = tree.MemberIndex(MemberId);
    tree.fetchMore(member);
    const QModelIndex folder = tree.index(1, 0, member);
    int rows = 0;
    for (auto _ : state) {
        tree.fetchMore(folder);
        rows = tree.rowCount(folder);
        state.PauseTiming();
        tree.RefreshMember(MemberId, CMainViewTree::WorkoutsValue);
        state.ResumeTiming();
    }
    state.counters["workouts"] = rows;
}
BENCHMARK(BM_ExpandWorkoutsOfOneMember)->Unit(benchmark::kMillisecond);

} // namespace
