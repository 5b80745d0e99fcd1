// Speed of the kiosk's ID lookup: from the number a member enters to the
// check-in screen (member, classes, bonus, period totals, message), for a
// member with a year of workouts in a large facility.
//
// The facility (100,000 members, 5,000,000 workouts by default) is made
// once in VANTORA_BENCH_FACILITY (default /tmp/vantora-bench-large) and
// kept for later runs; VANTORA_BENCH_MEMBERS and VANTORA_BENCH_WORKOUTS
// make a smaller one.

#include "db/batchscope.h"
#include "db/daocls.h"
#include "db/daoenr.h"
#include "db/daoprof.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "kiosk/touchdoc.h"
#include "kiosk/workoutqueue.h"
#include "tools/demofacility.h"
#include "util/notice.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

constexpr long MemberId = 9000001;
constexpr long Code = 990001;

// A current member with one class and five workouts a week for a year.
void AddYearMember() {
    // The member lookup reads the member, enrollment and profile together.
    CDAOProf prof;
    if (prof.FindProfile(MemberId) == 0) {
        prof.Op(CDAOEFSet::opAddNew);
        prof.MemberID = MemberId;
        prof.City = "Springfield";
        prof.Op(CDAOEFSet::opUpdate);
    }
    prof.Op(CDAOEFSet::opClose);
    CDAOSmMem mem;
    if (mem.FindMember(CDAOSmMem::idMember, MemberId) != 0)
        return;
    CEFOleDateTime today;
    today.Current();
    today.Midnight();
    mem.Op(CDAOEFSet::opAddNew);
    mem.MemberID = MemberId;
    mem.Barcode = Code;
    mem.FirstName = "Bench";
    mem.LastName = "Marker";
    mem.MemberStatus = 1;
    mem.Op(CDAOEFSet::opUpdate);
    CDAOEnr enr;
    enr.FindEnrollment(MemberId);
    enr.Op(CDAOEFSet::opAddNew);
    enr.MemberID = MemberId;
    enr.EnrollmentDate = double(today) - 365;
    enr.ExpirationDate = double(today) + 365;
    enr.Op(CDAOEFSet::opUpdate);
    CDAOCls cls;
    cls.FindClasses(MemberId);
    cls.Op(CDAOEFSet::opAddNew);
    cls.MemberID = MemberId;
    cls.Category = "FIT";
    cls.Course = "FIT 101";
    cls.Section = "01";
    cls.Op(CDAOEFSet::opUpdate);
    CDAOWk wk;
    CBatchScope batch(wk);
    wk.FindWks(MemberId);
    for (int day = 1; day <= 365; ++day) {
        if (day % 7 >= 5)
            continue;
        wk.Op(CDAOEFSet::opAddNew);
        wk.MemberID = MemberId;
        wk.WorkoutOK = 1;
        wk.CheckIn = double(today) - day + 0.7;
        wk.CheckOut = double(today) - day + 0.73;
        wk.Station00 = 3;
        wk.Station01 = 20;
        wk.Op(CDAOEFSet::opUpdate);
    }
}

void PrepareFacility() {
    static bool ready = false;
    if (ready)
        return;
    vantora::bench::openLargeFacility();
    AddYearMember();
    ready = true;
}

void BM_LookUpIdToCheckInScreen(benchmark::State& state) {
    PrepareFacility();
    CWorkoutQueue queue("");
    CVantoraTouchDoc doc(queue);
    if (!doc.OnNewDocument()) {
        state.SkipWithError("the facility's settings cannot be read");
        return;
    }
    for (auto _ : state) {
        doc.LookUpId(Code);
        if (doc.State() != CVantoraTouchDoc::AskCheckIn) {
            state.SkipWithError(("the member did not reach the check-in screen, state " +
                                 std::to_string(int(doc.State())))
                                    .c_str());
            return;
        }
        benchmark::DoNotOptimize(doc.WorkoutsFound());
    }
    state.counters["workouts_of_member"] = doc.WorkoutsFound();
}
BENCHMARK(BM_LookUpIdToCheckInScreen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
