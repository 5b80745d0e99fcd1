// Evaluation backup and restore over a generated facility, and the speed of
// the facility generators.
//
// The demo facility has VANTORA_BENCH_MEMBERS members (default 1000, so a
// default run takes seconds); about six in ten have one or two evaluations.

#include "db/daoeval.h"
#include "db/daosmeval.h"
#include "tools/demofacility.h"
#include "util/notice.h"
#include "util/text.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

long memberCount() {
    return vantora::bench::envNumber("VANTORA_BENCH_MEMBERS", 1000);
}

fs::path tempFolder(const char* name) {
    return fs::temp_directory_path() /
           (std::string("vantora-evalbench-") + name + "-" + std::to_string(::getpid()));
}

// A demo facility in a temporary folder, named by VANTO_DB while it lives.
class BenchFacility {
public:
    BenchFacility() : folder_(tempFolder("demo")) {
        fs::remove_all(folder_);
        vantora::tools::DemoOptions options;
        options.members = memberCount();
        const std::string error =
            vantora::tools::createDemoFacility(folder_.string(), {}, options, &summary_);
        if (!error.empty())
            throw std::runtime_error(error);
        const std::string path = folder_.string() + "/";
        ::setenv("VANTO_DB", path.c_str(), 1);
        ::setenv("VANTO_BACK", path.c_str(), 1);
    }
    ~BenchFacility() { fs::remove_all(folder_); }
    BenchFacility(const BenchFacility&) = delete;
    BenchFacility& operator=(const BenchFacility&) = delete;

    const fs::path& folder() const { return folder_; }
    long evaluations() const { return summary_.evaluations; }

private:
    fs::path folder_;
    vantora::tools::DemoSummary summary_;
};

BenchFacility& facility() {
    static BenchFacility f;
    return f;
}

// Writes every evaluation of the facility into the file; returns how many.
long backup(const fs::path& file) {
    CDAOEval set;
    set.FindEvals(CDAOSmEval::idMember, 0);
    std::ofstream out(file);
    CText text(&out, '|');
    long n = 0;
    for (; !set.IsEOF(); set.Op(CDAOEFSet::opMoveNext), ++n)
        set.Save(&text);
    return n;
}

void BM_EvaluationBackup(benchmark::State& state) {
    BenchFacility& f = facility();
    const fs::path file = f.folder() / "evals.dat";
    long n = 0;
    for (auto _ : state) {
        n = backup(file);
        benchmark::DoNotOptimize(n);
    }
    state.counters["evaluations"] = static_cast<double>(n);
    state.counters["per_second"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EvaluationBackup)->Unit(benchmark::kMillisecond)->Iterations(3);

// Restoring into the facility the file came from: every id is in use, so
// every evaluation gets a fresh one. The copies are deleted between rounds.
void BM_EvaluationRestore(benchmark::State& state) {
    BenchFacility& f = facility();
    const fs::path file = f.folder() / "evals-restore.dat";
    const long written = backup(file);
    long restored = 0;
    for (auto _ : state) {
        std::ifstream in(file);
        CDAOEval set;
        restored = set.Restore(in, '|', 0, true);
        state.PauseTiming();
        CDAOSmEval copies;
        copies.m_strFilter = "ClassIndx = byteParam0";
        copies.byteParam0 = CDAOSmEval::ClassUnknown;
        copies.OpenSet(true);
        copies.DelAll();
        copies.Op(CDAOEFSet::opClose);
        state.ResumeTiming();
    }
    if (restored != written)
        state.SkipWithError("not every evaluation was restored");
    state.counters["evaluations"] = static_cast<double>(restored);
    state.counters["per_second"] = benchmark::Counter(
        static_cast<double>(restored), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EvaluationRestore)->Unit(benchmark::kMillisecond)->Iterations(3);

// The large-facility generator at a tenth of its size (one member per 50
// workouts); rows per second of workouts.
void BM_LargeFacility(benchmark::State& state) {
    const fs::path folder = tempFolder("large");
    vantora::tools::LargeOptions options;
    options.members = 2000;
    options.workouts = 100000;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
        const std::string error =
            vantora::tools::createLargeFacility(folder.string(), {}, options, nullptr);
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    fs::remove_all(folder);
    state.counters["workouts_per_second"] = benchmark::Counter(
        static_cast<double>(options.workouts), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LargeFacility)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
