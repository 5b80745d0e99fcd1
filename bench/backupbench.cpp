// The desk's workout backup and restore, compaction and the backup utility
// on one generated facility, against the sqlite3 shell doing the same work:
// a delimited export and import of the same rows into the same indexed
// table, and VACUUM INTO of the four stores. Each comparison reports
// "vs_sqlite3", our time divided by the shell's.
//
// The number of workouts is VANTORA_BENCH_WORKOUTS (default 100000); one
// member per 50 workouts.

#include "companions/vantobk/backuprun.h"
#include "desk/core/deskdocument.h"
#include "desk/core/recordbackup.h"
#include "desk/core/recordrestore.h"
#include "desk/core/storecompaction.h"
#include "tools/demofacility.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using vantora::bench::indexStatements;
using vantora::bench::Quiet;
using vantora::bench::quoted;
using vantora::bench::secondsOf;
using vantora::bench::Sqlite3;

long WorkoutCount() {
    return vantora::bench::envNumber("VANTORA_BENCH_WORKOUTS", 100000);
}

// Nothing is asked during a benchmark.
struct NoPrompts : CRecordPrompts {
    std::optional<std::string> Password() override { return std::nullopt; }
    std::string SaveFile() override { return {}; }
    std::string OpenFile() override { return {}; }
    std::optional<long> MemberId(bool) override { return std::nullopt; }
    std::optional<long> DeleteChoice(RecordKind) override { return std::nullopt; }
};

class Setup {
public:
    Setup() : root_(fs::temp_directory_path() / ("vantora-bkbench-" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
        fs::create_directories(root_ / "back");
        db_ = (root_ / "db").string() + "/";
        setenv("VANTO_DB", db_.c_str(), 1);
        setenv("VANTO_BACK", ((root_ / "back").string() + "/").c_str(), 1);
        vantora::tools::LargeOptions options;
        options.workouts = WorkoutCount();
        options.members = std::max(1L, static_cast<long>(options.workouts / 50));
        const std::string error = vantora::tools::createLargeFacility(db_, {}, options, &summary);
        if (!error.empty())
            throw std::runtime_error(error);
        doc = std::make_unique<CVantoraDoc>();
        if (!doc->OnNewDocument())
            throw std::runtime_error("the facility does not open");
    }
    ~Setup() {
        doc.reset();
        fs::remove_all(root_);
    }
    fs::path File(const char* name) const { return root_ / "back" / name; }
    fs::path Store(const char* name) const { return fs::path(db_) / name; }

    vantora::tools::DemoSummary summary;
    std::unique_ptr<CVantoraDoc> doc;
    NoPrompts prompts;

private:
    fs::path root_;
    std::string db_;
};

Setup& Facility() {
    static Setup s;
    return s;
}

double Since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

const char* const Columns = "MemberID, ClassIndx, WorkoutOK, CheckIn, CheckOut, Station00, "
                            "Station01, Station02, Station03, Station04, Station05, Station06, "
                            "Station07, Station08, Station09, Station10, Station11, Station12";

void BM_DeskWorkoutBackup(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    Setup& f = Facility();
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        fs::remove(f.File("wk.dat"));
        const auto t0 = std::chrono::steady_clock::now();
        f.doc->Wk().FindWks(0);
        CRecordBackup backup(*f.doc, f.prompts);
        const int n = backup.WriteRecords(f.doc->Wk(), CRecordBackup::backup, f.File("wk.dat"));
        f.doc->Wk().Op(CDAOEFSet::opClose);
        const double s = Since(t0);
        if (n != f.summary.workouts)
            state.SkipWithError("not every workout was written");
        state.SetIterationTime(s);
        ours += s;
        theirs +=
            secondsOf(Sqlite3 + " -batch -list -separator '|' " + quoted(f.Store("members.mdb")) +
                      " \"SELECT " + Columns + " FROM Workouts ORDER BY CheckIn DESC;\" > " +
                      quoted(f.File("sqlite3.dat")));
    }
    state.counters["rows"] = static_cast<double>(f.summary.workouts);
    state.counters["vs_sqlite3"] = ours / theirs;
}

void BM_DeskWorkoutRestore(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    Setup& f = Facility();
    if (!fs::exists(f.File("wk.dat"))) {
        f.doc->Wk().FindWks(0);
        CRecordBackup(*f.doc, f.prompts)
            .WriteRecords(f.doc->Wk(), CRecordBackup::backup, f.File("wk.dat"));
        f.doc->Wk().Op(CDAOEFSet::opClose);
    }
    const fs::path scratch = f.File("import.db");
    const fs::path script = f.File("import.sql");
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        secondsOf(Sqlite3 + " -batch " + quoted(f.Store("members.mdb")) +
                  " 'DELETE FROM Workouts;'");
        const auto t0 = std::chrono::steady_clock::now();
        CRecordRestore restore(*f.doc, f.prompts);
        const int n =
            restore.ReadRecords(f.doc->Wk(), 0, true, f.File("wk.dat"), RecordKind::Workouts);
        f.doc->Wk().Op(CDAOEFSet::opClose);
        const double s = Since(t0);
        if (n != f.summary.workouts)
            state.SkipWithError("not every workout was restored");
        state.SetIterationTime(s);
        ours += s;
        fs::remove(scratch);
        std::ofstream(script) << "PRAGMA journal_mode=WAL;\nCREATE TABLE Workouts (MemberID "
                                 "INTEGER, ClassIndx INTEGER, WorkoutOK INTEGER, CheckIn REAL, "
                                 "CheckOut REAL, Station00 INTEGER, Station01 INTEGER, Station02 "
                                 "INTEGER, Station03 INTEGER, Station04 INTEGER, Station05 "
                                 "INTEGER, Station06 INTEGER, Station07 INTEGER, Station08 "
                                 "INTEGER, Station09 INTEGER, Station10 INTEGER, Station11 "
                                 "INTEGER, Station12 INTEGER);\n"
                              << indexStatements(f.Store("members.mdb"), "'Workouts'")
                              << ".separator |\n.import " << f.File("wk.dat").string()
                              << " Workouts\n";
        theirs += secondsOf(Sqlite3 + " -batch " + quoted(scratch) + " < " + quoted(script) +
                            " > /dev/null");
    }
    state.counters["rows"] = static_cast<double>(f.summary.workouts);
    state.counters["vs_sqlite3"] = ours / theirs;
}

void BM_Compaction(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    Setup& f = Facility();
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        // The shell first, so that both compact the same files.
        for (const char* store : {"chkin.mdb", "reports.mdb", "center.mdb", "members.mdb"}) {
            const fs::path copy = f.File("vacuum.db");
            fs::remove(copy);
            theirs += secondsOf(Sqlite3 + " -batch " + quoted(f.Store(store)) + " \"VACUUM INTO '" +
                                copy.string() + "'\"");
        }
        const auto t0 = std::chrono::steady_clock::now();
        if (!CStoreCompaction(*f.doc, nullptr).CompactStores())
            state.SkipWithError("compaction refused");
        const double s = Since(t0);
        state.SetIterationTime(s);
        ours += s;
    }
    state.counters["vs_sqlite3"] = ours / theirs;
}

void BM_BackupUtilityOnce(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    Facility();
    for (auto _ : state) {
        CBackupRun run;
        if (!run.Run(CProgress::None()))
            state.SkipWithError(run.Error().c_str());
    }
}

BENCHMARK(BM_DeskWorkoutBackup)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeskWorkoutRestore)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compaction)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BackupUtilityOnce)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
