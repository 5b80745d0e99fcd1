// The desk's member search and bulk message on the large facility:
// "Find Members" by last name and by class category, each until the rows of
// the Members list are built, and "Post Message" to 10,000 listed members
// against the same 10,000 inserts run by the sqlite3 shell in one
// transaction ("vs_sqlite3" is our time divided by the shell's).
//
// The facility is VANTORA_BENCH_FACILITY (default /tmp/vantora-bench-large),
// created on first use with VANTORA_BENCH_MEMBERS members (default 100000)
// and VANTORA_BENCH_WORKOUTS workouts (default 5000000).

#include "desk/core/memberbulkupdate.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/membersearch.h"
#include "desk/core/progress.h"

#include "db/daomem.h"
#include "db/facility.h"
#include "tools/demofacility.h"
#include "util/notice.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using vantora::bench::secondsOf;
using vantora::bench::Sqlite3;

constexpr const char* BenchText = "Bring your member card next time";

std::string Folder() {
    static const std::string folder = vantora::bench::openLargeFacility();
    return folder;
}

// The member store as a shell argument.
std::string StoreArg() {
    return vantora::bench::quoted(std::filesystem::path(Folder() + "members.mdb"));
}

void PrepareFacility() {
    static vantora::notice::ScopedHandler quiet(std::make_shared<vantora::bench::Quiet>());
    Folder();
}

// The most frequent value of a column of the facility, by the shell.
std::string MostFrequent(const std::string& table, const std::string& column) {
    const std::string command = Sqlite3 + " -batch " + StoreArg() + " \"SELECT " + column +
                                " FROM " + table + " GROUP BY " + column +
                                " ORDER BY count(*) DESC LIMIT 1\"";
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

void RunFind(benchmark::State& state, const CMemberFindValues& values) {
    std::size_t rows = 0;
    for (auto _ : state) {
        CMemberSearchData data;
        values.ToSearchData(data);
        auto set = CMemberSearch::Run(data);
        if (!set) {
            state.SkipWithError("no member found");
            return;
        }
        std::string title = CMemberListDoc::SearchTitle(*set, set->CountSet());
        CMemberListDoc list(std::move(set), std::move(title));
        rows = list.Rows().size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_FindByLastName(benchmark::State& state) {
    PrepareFacility();
    CMemberFindValues v;
    v.LastName = MostFrequent("Members", "LastName");
    RunFind(state, v);
}
BENCHMARK(BM_FindByLastName)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindByClassCategory(benchmark::State& state) {
    PrepareFacility();
    CMemberFindValues v;
    v.Category = MostFrequent("Classes", "Category");
    RunFind(state, v);
}
BENCHMARK(BM_FindByClassCategory)->Unit(benchmark::kMillisecond)->UseRealTime();

// The class most members take, by category, course and section (the search
// that enables "Update Class").
void BM_FindByClass(benchmark::State& state) {
    PrepareFacility();
    CMemberFindValues v;
    const std::string cls = MostFrequent("Classes", "Category || '|' || Course || '|' || Section");
    const auto a = cls.find('|');
    const auto b = cls.find('|', a + 1);
    v.Category = cls.substr(0, a);
    v.Course = cls.substr(a + 1, b - a - 1);
    v.Section = cls.substr(b + 1);
    RunFind(state, v);
}
BENCHMARK(BM_FindByClass)->Unit(benchmark::kMillisecond)->UseRealTime();

void RemoveBenchMessages() {
    secondsOf(Sqlite3 + " -batch " + StoreArg() + " \"DELETE FROM Messages WHERE Msg = '" +
              BenchText + "'\"");
}

void BM_PostMessageTo10000(benchmark::State& state) {
    PrepareFacility();
    constexpr long Listed = 10000;
    constexpr long FirstId = 10001; // the generator's first member ID
    // The shell's run: the same rows inserted one statement each, in one
    // transaction.
    const std::string script = Folder() + "postmessage.sql";
    {
        std::ofstream out(script);
        out << "BEGIN;\n";
        for (long id = FirstId; id < FirstId + Listed; ++id)
            out << "INSERT INTO Messages (MemberID, Msg) SELECT MemberID, '" << BenchText
                << "' FROM Members WHERE MemberID = " << id << ";\n";
        out << "COMMIT;\n";
    }
    double ours = 0;
    double shell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RemoveBenchMessages();
        auto set = std::make_unique<CDAOMem>();
        set->SetMaxRecords(Listed);
        set->m_strFilter = std::string(CDAOMem::JoinCondition) + " AND Members.MemberID <= lParam0";
        set->lParam0 = FirstId + Listed - 1;
        set->m_strSort = "Members.MemberID";
        set->OpenSet(true);
        const CMemberListDoc list(std::move(set));
        const auto listed = static_cast<long>(list.Rows().size());
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        const int failed =
            CMemberBulkUpdate::PostMessage(list.Rows(), BenchText, false, CProgress::None());
        ours += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.PauseTiming();
        if (failed != 0 || listed != Listed) {
            state.SkipWithError("not every listed member got the message");
            return;
        }
        RemoveBenchMessages();
        shell += secondsOf(Sqlite3 + " -batch " + StoreArg() + " < " +
                           vantora::bench::quoted(std::filesystem::path(script)));
        RemoveBenchMessages();
        state.ResumeTiming();
    }
    state.counters["ours_s"] = ours / static_cast<double>(state.iterations());
    state.counters["sqlite3_s"] = shell / static_cast<double>(state.iterations());
    state.counters["vs_sqlite3"] = shell > 0 ? ours / shell : 0;
}
BENCHMARK(BM_PostMessageTo10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
