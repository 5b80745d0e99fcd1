// Workout backup and restore against the sqlite3 shell's own delimited
// export and import of the same rows, and member totals over a whole facility.
//
// The number of workouts is VANTORA_BENCH_WORKOUTS (default 100000, so a
// default run takes seconds); one member per 50 workouts. Each comparison
// reports "vs_sqlite3", our time divided by the shell's.

#include "db/daowk.h"
#include "db/facility.h"
#include "db/workout.h"
#include "util/notice.h"
#include "util/text.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using vantora::bench::indexStatements;
using vantora::bench::Quiet;
using vantora::bench::quoted;
using vantora::bench::secondsOf;
using vantora::bench::Sqlite3;

long workoutCount() {
    return vantora::bench::envNumber("VANTORA_BENCH_WORKOUTS", 100000);
}

const char* const StationList = "Station00, Station01, Station02, Station03, Station04, "
                                "Station05, Station06, Station07, Station08, Station09, "
                                "Station10, Station11, Station12";

// A facility in a temporary folder with its members and workouts, written
// by the sqlite3 shell so that setting up stays quick.
class BenchFacility {
public:
    BenchFacility() : rows_(workoutCount()), members_(std::max(1L, rows_ / 50)) {
        root_ = fs::temp_directory_path() / ("vantora-wkbench-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "back");
        const std::string db = (root_ / "db").string() + "/";
        const std::string back = (root_ / "back").string() + "/";
        setenv("VANTO_DB", db.c_str(), 1);
        setenv("VANTO_BACK", back.c_str(), 1);
        const std::string error = vantora::db::facility::create(db, {});
        if (!error.empty())
            throw std::runtime_error(error);
        sql("INSERT INTO Members (MemberID, Barcode, FirstName, MiddleInitial, LastName, "
            "MemberStatus) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
            "WHERE i < " +
            std::to_string(members_) +
            ") SELECT i, 100000 + i, 'First' || i, 'M', 'Last' || i, 1 FROM n;");
        fillWorkouts();
    }
    ~BenchFacility() { fs::remove_all(root_); }

    fs::path members() const { return root_ / "db" / "members.mdb"; }
    fs::path file(const char* name) const { return root_ / "back" / name; }
    long rows() const { return rows_; }
    long memberCount() const { return members_; }

    void sql(const std::string& statement) const {
        const fs::path script = root_ / "script.sql";
        std::ofstream(script) << statement << "\n";
        secondsOf(Sqlite3 + " -batch " + quoted(members()) + " < " + quoted(script));
    }

    // Workouts of a term: check-ins from January on, 20 to 80 minutes each.
    void fillWorkouts() const {
        sql(std::string(
                "INSERT INTO Workouts (MemberID, WorkoutOK, ClassIndx, CheckIn, CheckOut, ") +
            StationList +
            ") WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(rows_ - 1) + ") SELECT i % " + std::to_string(members_) +
            " + 1, i % 4 != 0, i % 3, 46023.25 + i * 0.0001, 46023.25 + i * 0.0001 + "
            "(20 + i % 60) / 1440.0, i % 5, i % 7, i % 11, i % 13, i % 17, i % 19, i % 23, "
            "i % 29, i % 31, i % 37, i % 41, i % 43, i % 47 FROM n;");
    }

private:
    fs::path root_;
    long rows_;
    long members_;
};

BenchFacility& facility() {
    static BenchFacility f;
    return f;
}

// Quiet notices: a benchmark run has nobody to show them to.
long backup(const fs::path& path) {
    CDAOWk wk;
    wk.FindWks(0);
    std::ofstream out(path, std::ios::binary);
    CText text(&out, '|');
    long n = 0;
    for (; !wk.IsEOF(); wk.Op(CDAOEFSet::opMoveNext), ++n)
        wk.Save(&text);
    return n;
}

void BM_WorkoutBackup(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    BenchFacility& f = facility();
    const std::string query = std::string("SELECT MemberID, ClassIndx, WorkoutOK, CheckIn, "
                                          "CheckOut, ") +
                              StationList + " FROM Workouts ORDER BY CheckIn DESC;";
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const long n = backup(f.file("wk.dat"));
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (n != f.rows())
            state.SkipWithError("not every workout was written");
        state.SetIterationTime(s);
        ours += s;
        theirs += secondsOf(Sqlite3 + " -batch -list -separator '|' " + quoted(f.members()) +
                            " \"" + query + "\" > " + quoted(f.file("sqlite3.dat")));
    }
    state.counters["rows"] = static_cast<double>(f.rows());
    state.counters["vs_sqlite3"] = ours / theirs;
}

void BM_WorkoutRestore(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    BenchFacility& f = facility();
    if (!fs::exists(f.file("wk.dat")))
        backup(f.file("wk.dat"));
    const fs::path scratch = f.file("import.db");
    const fs::path script = f.file("import.sql");
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        f.sql("DELETE FROM Workouts;");
        const auto t0 = std::chrono::steady_clock::now();
        std::ifstream in(f.file("wk.dat"), std::ios::binary);
        CDAOWk wk;
        const int n = wk.Restore(in, '|', 0, true);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (n != f.rows())
            state.SkipWithError("not every workout was restored");
        state.SetIterationTime(s);
        ours += s;

        fs::remove(scratch);
        std::ofstream(script) << "PRAGMA journal_mode=WAL;\n"
                              << "CREATE TABLE Workouts (MemberID INTEGER, ClassIndx INTEGER, "
                                 "WorkoutOK INTEGER, CheckIn REAL, CheckOut REAL, Station00 "
                                 "INTEGER, Station01 INTEGER, Station02 INTEGER, Station03 "
                                 "INTEGER, Station04 INTEGER, Station05 INTEGER, Station06 "
                                 "INTEGER, Station07 INTEGER, Station08 INTEGER, Station09 "
                                 "INTEGER, Station10 INTEGER, Station11 INTEGER, Station12 "
                                 "INTEGER);\n"
                              // the same indexes our restore keeps up to date
                              << indexStatements(f.members(), "'Workouts'") << ".separator |\n"
                              << ".import " << f.file("wk.dat").string() << " Workouts\n";
        theirs += secondsOf(Sqlite3 + " -batch " + quoted(scratch) + " < " + quoted(script) +
                            " > /dev/null");
    }
    state.counters["rows"] = static_cast<double>(f.rows());
    state.counters["vs_sqlite3"] = ours / theirs;
}

void BM_TotalMemberAllMembers(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    BenchFacility& f = facility();
    long workouts = 0;
    for (auto _ : state) {
        CDAOWk wk;
        wk.FindAllWks();
        workouts = 0;
        for (long id = 1; id <= f.memberCount(); ++id) {
            CWorkout totals;
            wk.TotalMember(&totals, id, CDAOWk::ClassAll);
            workouts += totals.workoutCount;
        }
    }
    state.counters["members"] = static_cast<double>(f.memberCount());
    state.counters["workouts"] = static_cast<double>(workouts);
}

BENCHMARK(BM_WorkoutBackup)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkoutRestore)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotalMemberAllMembers)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
