// The desk program's workout list and Quick Statistics on the large
// facility (VANTORA_BENCH_FACILITY, default /tmp/vantora-bench-large,
// generated when missing): Find Workouts over the last month (or
// VANTORA_BENCH_DAYS days) of all members until the rows of the first
// screen are ready, and the counts and checked-in list of Quick Statistics.

#include "desk/core/quickstatistics.h"
#include "desk/core/workoutlist.h"
#include "tools/demofacility.h"
#include "util/notice.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

void PrepareFacility() {
    static bool ready = false;
    if (ready)
        return;
    vantora::notice::setHandler(std::make_shared<vantora::bench::Quiet>());
    vantora::bench::openLargeFacility();
    ready = true;
}

// The rows a list shows on its first screen.
constexpr int ScreenRows = 30;

void BM_FindWorkoutsAllMembers(benchmark::State& state) {
    PrepareFacility();
    const char* env = std::getenv("VANTORA_BENCH_DAYS");
    const int days = env && std::atoi(env) > 0 ? std::atoi(env) : 30;
    const std::vector<std::string> stations{"Circuits", "Treadmill", "Bike", "Rower"};
    long rows = 0;
    for (auto _ : state) {
        CFindWorkoutsCriteria criteria;
        criteria.To.Current();
        criteria.From = double(criteria.To) - days;
        CWorkoutList list(stations);
        rows = list.QueryFound(criteria);
        const auto shown = list.Shown();
        for (int r = 0; r < std::min(rows, long(ScreenRows)); ++r)
            for (int c : shown)
                benchmark::DoNotOptimize(list.Cell(r, c));
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_FindWorkoutsAllMembers)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QuickStatisticsOpening(benchmark::State& state) {
    PrepareFacility();
    long workouts = 0;
    for (auto _ : state) {
        CQuickStatistics counts;
        counts.Count();
        benchmark::DoNotOptimize(CQuickStatistics::CheckedInRows());
        workouts = counts.WorkoutsTotal;
    }
    state.counters["workouts"] = double(workouts);
}
BENCHMARK(BM_QuickStatisticsOpening)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
