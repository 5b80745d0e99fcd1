// Workout restore into a facility on the PostgreSQL server named by
// VANTORA_BENCH_SERVER, against psql's \copy of the same rows into the same
// indexed Workouts table; "vs_psql_copy" is our time divided by psql's.
// Without the variable the benchmark is skipped (bench_workoutbench measures
// the restore on store files).
//
// The number of workouts is VANTORA_BENCH_WORKOUTS (default 100000); one
// member per 50 workouts. The facility is made afresh in the database named
// like the server's with "_restore" added, and dropped at the end.

#include "db/connection.h"
#include "db/daowk.h"
#include "db/facility.h"
#include "util/notice.h"

#include "benchsupport.h"
#include "serverbench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace vantora::bench;

namespace {

const char* const Columns = "\"MemberID\", \"ClassIndx\", \"WorkoutOK\", \"CheckIn\", "
                            "\"CheckOut\", \"Station00\", \"Station01\", \"Station02\", "
                            "\"Station03\", \"Station04\", \"Station05\", \"Station06\", "
                            "\"Station07\", \"Station08\", \"Station09\", \"Station10\", "
                            "\"Station11\", \"Station12\"";

// A date-time column as the workout export writes it.
std::string exportDate(const char* column) {
    return std::string("to_char(timestamp '1899-12-30' + round(\"") + column +
           "\" * 86400) * interval '1 second', 'MM/DD/YYYY HH24:MI:SS')";
}

// The facility on the server with its members, and two files of the same
// workouts: the export the restore reads and psql's rows.
class ServerRestoreFacility {
public:
    ServerRestoreFacility()
        : rows_(envNumber("VANTORA_BENCH_WORKOUTS", 100000)), members_(std::max(1L, rows_ / 50)) {
        const std::string server = benchServer();
        uri_ = otherDatabase(server, databaseOf(server) + "_restore");
        admin_ = otherDatabase(server, "postgres");
        dropDatabase();
        psql(admin_, "CREATE DATABASE \"" + databaseOf(uri_) + "\"");
        root_ = fs::temp_directory_path() / ("vantora-restorebench-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        ::setenv("VANTO_DB", uri_.c_str(), 1);
        ::setenv("VANTO_BACK", (root_.string() + "/").c_str(), 1);
        if (const std::string error = vantora::db::facility::create(uri_, {}); !error.empty())
            throw std::runtime_error(error);
        const std::string m = std::to_string(members_);
        psql(uri_, "INSERT INTO \"Members\" (\"MemberID\", \"Barcode\", \"FirstName\", "
                   "\"MiddleInitial\", \"LastName\", \"MemberStatus\") SELECT i, 100000 + i, "
                   "'First' || i, 'M', 'Last' || i, 1 FROM generate_series(1, " +
                       m + ") AS i");
        // Whole minutes, so that the export's seconds give the same rows.
        psql(uri_,
             std::string("INSERT INTO \"Workouts\" (") + Columns + ") SELECT i % " + m +
                 " + 1, i % 3, (i % 4 != 0)::int, 46023.25 + i / 1440.0, 46023.25 + (i + "
                 "20 + i % 60) / 1440.0, i % 5, i % 7, i % 11, i % 13, i % 17, i % 19, i % "
                 "23, i % 29, i % 31, i % 37, i % 41, i % 43, i % 47 FROM generate_series(0, " +
                 std::to_string(rows_ - 1) + ") AS i");
        std::string stations;
        for (int s = 0; s < 13; ++s)
            stations += std::string(s < 10 ? ", \"Station0" : ", \"Station1") +
                        std::to_string(s % 10) + "\"";
        copyOut("SELECT \"MemberID\", \"ClassIndx\", \"WorkoutOK\", " + exportDate("CheckIn") +
                    ", " + exportDate("CheckOut") + stations + " FROM \"Workouts\"",
                exportFile());
        copyOut(std::string("SELECT ") + Columns + " FROM \"Workouts\"", rowsFile());
    }
    ~ServerRestoreFacility() {
        // The set's connection goes before its database.
        vantora::db::closeStore(uri_ + "#members.mdb");
        try {
            dropDatabase();
        } catch (const std::exception&) {
        }
        fs::remove_all(root_);
    }

    const std::string& uri() const { return uri_; }
    long rows() const { return rows_; }
    fs::path exportFile() const { return root_ / "wk.dat"; }
    fs::path rowsFile() const { return root_ / "rows.dat"; }

    void emptyWorkouts() const { psql(uri_, "TRUNCATE \"Workouts\""); }

private:
    void dropDatabase() const {
        psql(admin_, "DROP DATABASE IF EXISTS \"" + databaseOf(uri_) + "\" WITH (FORCE)");
    }
    void copyOut(const std::string& query, const fs::path& file) const {
        psqlOutput(uri_, "-c " + shellWord("\\copy (" + query + ") TO " + shellWord(file.string()) +
                                           " WITH (DELIMITER '|')"));
    }

    long rows_;
    long members_;
    std::string uri_;
    std::string admin_;
    fs::path root_;
};

void BM_ServerWorkoutRestore(benchmark::State& state) {
    if (benchServer().empty()) {
        state.SkipWithError("set VANTORA_BENCH_SERVER to a server database's URI");
        return;
    }
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    ServerRestoreFacility f;
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        f.emptyWorkouts();
        const auto t0 = std::chrono::steady_clock::now();
        std::ifstream in(f.exportFile(), std::ios::binary);
        CDAOWk wk;
        const int n = wk.Restore(in, '|', 0, true);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        wk.Op(CDAOEFSet::opClose);
        if (n != f.rows())
            state.SkipWithError("not every workout was restored");
        state.SetIterationTime(s);
        ours += s;

        f.emptyWorkouts();
        const auto t1 = std::chrono::steady_clock::now();
        psqlOutput(f.uri(),
                   "-c " + shellWord(std::string("\\copy \"Workouts\" (") + Columns + ") FROM " +
                                     shellWord(f.rowsFile().string()) + " WITH (DELIMITER '|')"));
        theirs += std::chrono::duration<double>(std::chrono::steady_clock::now() - t1).count();
    }
    state.counters["rows"] = static_cast<double>(f.rows());
    state.counters["psql_copy_s"] = theirs / static_cast<double>(state.iterations());
    state.counters["vs_psql_copy"] = ours / theirs;
}
BENCHMARK(BM_ServerWorkoutRestore)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
