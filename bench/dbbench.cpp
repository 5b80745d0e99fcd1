// Speed of the record-set base on workout tables of realistic size:
//  - adding 200,000 rows in a batch scope, against the sqlite3 shell's
//    .import of the same rows (counter "ratio_to_import");
//  - opening and counting a 1,000,000-row result, and walking it;
//  - a keyed one-row Find on 100,000 rows (median of the repetitions);
//  - MoveSet to the last of 100,000 rows.

#include "db/batchscope.h"
#include "db/daoefset.h"

#include "util/notice.h"

#include <benchmark/benchmark.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int StationCount = 13;

// A scratch folder named by VANTO_DB and VANTO_BACK, removed at exit.
class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "vantora-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder");
        dir_ = pattern;
        ::setenv("VANTO_DB", dir_.c_str(), 1);
        ::setenv("VANTO_BACK", dir_.c_str(), 1);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path file(const std::string& name) const { return dir_ / name; }

private:
    fs::path dir_;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

// The workout table's shape: member, flags, two date-times, 13 station values.
class WkSet : public CDAOEFSet {
public:
    explicit WkSet(std::string file) : file_(std::move(file)) { m_nFields = 5 + StationCount; }

    long MemberID = 0;
    unsigned char WorkoutOK = 0;
    unsigned char ClassIndx = 0;
    CEFOleDateTime CheckIn;
    CEFOleDateTime CheckOut;
    short Station[StationCount] = {};

    std::string GetDefaultDBName() const override { return GetDBPath() + file_; }
    std::string GetDefaultSQL() const override { return "[Workouts]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override {
        fx.Long("[MemberID]", MemberID);
        fx.Byte("[WorkoutOK]", WorkoutOK);
        fx.Byte("[ClassIndx]", ClassIndx);
        fx.DateTime("[CheckIn]", CheckIn);
        fx.DateTime("[CheckOut]", CheckOut);
        for (int i = 0; i < StationCount; ++i)
            fx.Short("[Station" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "]",
                     Station[i]);
        CDAOEFSet::DoFieldExchange(fx);
    }

    int FindWks(long const& memberId) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0";
        m_strSort = "CheckIn DESC";
        return OpenSet(true);
    }
    int FindAll() {
        m_strFilter.clear();
        m_strSort.clear();
        return OpenSet(true);
    }

private:
    std::string file_;
};

std::string columnList(bool types) {
    std::string s = types ? "MemberID INTEGER, WorkoutOK INTEGER, ClassIndx INTEGER, CheckIn REAL, "
                            "CheckOut REAL"
                          : "MemberID, WorkoutOK, ClassIndx, CheckIn, CheckOut";
    for (int i = 0; i < StationCount; ++i)
        s += ", Station" + std::string(i < 10 ? "0" : "") + std::to_string(i) +
             (types ? " INTEGER" : "");
    return s;
}

void exec(QSqlDatabase& db, const std::string& sql) {
    QSqlQuery q(db);
    if (!q.exec(QString::fromStdString(sql)))
        throw std::runtime_error(sql + ": " + q.lastError().text().toStdString());
}

// A fresh store file with the Workouts table and its indexes; with rows, the
// table holds that many workouts of distinct members (MemberID 1..rows).
void createStore(const fs::path& file, bool withKey, long rows = 0) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm"})
        fs::remove(file.string() + suffix, ec);
    const QString name = QStringLiteral("bench-setup");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QString::fromStdString(file.string()));
        if (!db.open())
            throw std::runtime_error("cannot create " + file.string());
        exec(db, "PRAGMA journal_mode = WAL");
        exec(db, "CREATE TABLE Workouts (" +
                     std::string(withKey ? "_key INTEGER PRIMARY KEY, " : "") + columnList(true) +
                     ")");
        exec(db, "CREATE INDEX WorkoutsMember ON Workouts (MemberID)");
        exec(db, "CREATE INDEX WorkoutsCheckIn ON Workouts (CheckIn)");
        if (rows > 0) {
            std::string stations;
            for (int i = 0; i < StationCount; ++i)
                stations += ", (x + " + std::to_string(i) + ") % 50";
            exec(db, "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < " +
                         std::to_string(rows) + ") INSERT INTO Workouts (" + columnList(false) +
                         ") SELECT x, x % 2, x % 3, 45000 + x / 100.0, 45000.04 + x / 100.0" +
                         stations + " FROM c");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Values of the i-th added workout, the same for the set and the import.
void fillRow(WkSet& set, long i) {
    set.MemberID = i % 5000 + 1;
    set.WorkoutOK = static_cast<unsigned char>(i % 2);
    set.ClassIndx = static_cast<unsigned char>(i % 3);
    set.CheckIn = 45000.0 + static_cast<double>(i) / 100.0;
    set.CheckOut = 45000.04 + static_cast<double>(i) / 100.0;
    for (int k = 0; k < StationCount; ++k)
        set.Station[k] = static_cast<short>((i + k) % 50);
}

void writeCsv(const fs::path& csv, long rows) {
    std::ofstream out(csv);
    char line[256];
    for (long i = 0; i < rows; ++i) {
        int n = std::snprintf(line, sizeof line, "%ld,%ld,%ld,%.17g,%.17g", i % 5000 + 1, i % 2,
                              i % 3, 45000.0 + static_cast<double>(i) / 100.0,
                              45000.04 + static_cast<double>(i) / 100.0);
        out.write(line, n);
        for (int k = 0; k < StationCount; ++k)
            out << ',' << (i + k) % 50;
        out << '\n';
    }
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// (a) Rows added through opAddNew/opUpdate in a batch scope; the sqlite3
// shell's .import of the same rows into the same table is timed alongside.
void BM_AddRowsInBatch(benchmark::State& state) {
    const long rows = state.range(0);
    const fs::path file = scratch().file("add.mdb");
    double importSeconds = 0;
#ifdef VANTORA_SQLITE3
    const fs::path csv = scratch().file("add.csv");
    writeCsv(csv, rows);
    const fs::path imported = scratch().file("import.mdb");
    createStore(imported, false);
    const std::string command = std::string(VANTORA_SQLITE3) + " '" + imported.string() +
                                "' '.import --csv " + csv.string() + " Workouts'";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        state.SkipWithError("sqlite3 .import failed");
        return;
    }
    importSeconds = secondsSince(start);
#endif
    double ours = 0;
    for (auto _ : state) {
        state.PauseTiming();
        createStore(file, true);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        {
            WkSet set("add.mdb");
            set.OpenSet(false);
            CBatchScope batch(set);
            for (long i = 0; i < rows; ++i) {
                set.Op(CDAOEFSet::opAddNew);
                fillRow(set, i);
                set.Op(CDAOEFSet::opUpdate);
            }
        }
        ours += secondsSince(start);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    if (importSeconds > 0) {
        state.counters["import_ms"] = importSeconds * 1000.0;
        state.counters["ratio_to_import"] =
            ours / static_cast<double>(state.iterations()) / importSeconds;
    }
}
BENCHMARK(BM_AddRowsInBatch)->Arg(200000)->Iterations(1)->Unit(benchmark::kMillisecond);

const fs::path& bigStore(long rows) {
    static std::map<long, fs::path> made;
    auto it = made.find(rows);
    if (it == made.end()) {
        const fs::path file = scratch().file("rows" + std::to_string(rows) + ".mdb");
        createStore(file, true, rows);
        it = made.emplace(rows, file).first;
    }
    return it->second;
}

// (b) Open a 1,000,000-row result and count it.
void BM_OpenAndCount(benchmark::State& state) {
    const long rows = state.range(0);
    const std::string name = bigStore(rows).filename().string();
    for (auto _ : state) {
        WkSet set(name);
        const int count = set.FindAll();
        if (count != rows)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_OpenAndCount)->Arg(1000000)->Iterations(2)->Unit(benchmark::kMillisecond);

// (b) Walk the 1,000,000-row result from the first row to the end, reading
// every row.
void BM_WalkResult(benchmark::State& state) {
    const long rows = state.range(0);
    const std::string name = bigStore(rows).filename().string();
    WkSet set(name);
    set.FindAll();
    for (auto _ : state) {
        long seen = 0;
        long long sum = 0;
        set.Op(CDAOEFSet::opMoveFirst);
        while (!set.IsEOF()) {
            sum += set.MemberID;
            ++seen;
            set.Op(CDAOEFSet::opMoveNext);
        }
        if (seen != rows)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_WalkResult)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// (c) A keyed one-row Find on 100,000 rows with a new set object per query,
// as the programs do. The median of the repetitions is the figure to read.
void BM_FindOneByKey(benchmark::State& state) {
    const long rows = state.range(0);
    const std::string name = bigStore(rows).filename().string();
    std::mt19937 random(7);
    std::uniform_int_distribution<long> pick(1, rows);
    for (auto _ : state) {
        WkSet set(name);
        const int count = set.FindWks(pick(random));
        if (count != 1)
            state.SkipWithError("no single match");
        benchmark::DoNotOptimize(set.CheckIn.m_dt);
    }
}
BENCHMARK(BM_FindOneByKey)
    ->Arg(100000)
    ->Repetitions(5)
    ->MinTime(0.1)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// (c) The same while another set of the program keeps the store open.
void BM_FindOneByKeyStoreOpen(benchmark::State& state) {
    const long rows = state.range(0);
    const std::string name = bigStore(rows).filename().string();
    WkSet keeper(name);
    keeper.FindWks(1);
    std::mt19937 random(7);
    std::uniform_int_distribution<long> pick(1, rows);
    for (auto _ : state) {
        WkSet set(name);
        const int count = set.FindWks(pick(random));
        if (count != 1)
            state.SkipWithError("no single match");
        benchmark::DoNotOptimize(set.CheckIn.m_dt);
    }
}
BENCHMARK(BM_FindOneByKeyStoreOpen)
    ->Arg(100000)
    ->Repetitions(5)
    ->MinTime(0.1)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// (d) MoveSet to the last of 100,000 rows of an open set.
void BM_MoveSetToLast(benchmark::State& state) {
    const long rows = state.range(0);
    const std::string name = bigStore(rows).filename().string();
    WkSet set(name);
    set.FindAll();
    for (auto _ : state) {
        if (!set.MoveSet(static_cast<int>(rows - 1)))
            state.SkipWithError("MoveSet failed");
        benchmark::DoNotOptimize(set.MemberID);
    }
}
BENCHMARK(BM_MoveSetToLast)->Arg(100000)->MinTime(0.1)->Unit(benchmark::kMicrosecond);

} // namespace
