#pragma once
// Helpers shared by the benchmarks that compare against the sqlite3 shell.

#include "bench/serverbench.h"
#include "tools/demofacility.h"
#include "util/notice.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vantora::bench {

// A positive number from an environment variable, else the fallback.
inline long envNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    const long n = v ? std::atol(v) : 0;
    return n > 0 ? n : fallback;
}

// The large facility of the benchmarks (100,000 members and 5,000,000
// workouts unless VANTORA_BENCH_MEMBERS and VANTORA_BENCH_WORKOUTS say
// otherwise), made once in VANTORA_BENCH_FACILITY (default
// /tmp/vantora-bench-large) and kept for later runs; the store variables
// point at it, or, with VANTORA_BENCH_SERVER set, at its copy on that server
// (made on first use). Returns its folder, ending in '/'.
inline std::string openLargeFacility() {
    const char* env = std::getenv("VANTORA_BENCH_FACILITY");
    std::string folder = env && *env ? env : "/tmp/vantora-bench-large";
    if (folder.back() != '/')
        folder += '/';
    ::setenv("VANTO_DB", folder.c_str(), 1);
    ::setenv("VANTO_BACK", folder.c_str(), 1);
    if (!std::filesystem::exists(folder + "members.mdb")) {
        tools::LargeOptions options;
        options.members = envNumber("VANTORA_BENCH_MEMBERS", options.members);
        options.workouts = envNumber("VANTORA_BENCH_WORKOUTS", long(options.workouts));
        db::facility::Settings settings;
        settings.name = "Benchmark Fitness Center";
        settings.password = "bench";
        const std::string error = tools::createLargeFacility(folder, settings, options);
        if (!error.empty())
            throw std::runtime_error(error);
    }
    if (const std::string server = benchServer(); !server.empty()) {
        copyFacilityToServer(folder, server);
        ::setenv("VANTO_DB", server.c_str(), 1);
    }
    return folder;
}

#ifdef VANTORA_SQLITE3
inline const std::string Sqlite3 = VANTORA_SQLITE3;
#else
inline const std::string Sqlite3 = "sqlite3";
#endif

// Wall time of a shell command; a failing command ends the benchmark.
inline double secondsOf(const std::string& command) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

inline std::string quoted(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

// The CREATE INDEX statements of the tables in a store, so the shell's
// import maintains the same indexes as our restore does.
inline std::string indexStatements(const std::filesystem::path& store,
                                   const std::string& tableList) {
    const std::string command = Sqlite3 + " -batch " + quoted(store) +
                                " \"SELECT sql || ';' FROM sqlite_master WHERE type = 'index' "
                                "AND sql IS NOT NULL AND tbl_name IN (" +
                                tableList + ")\"";
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    return out;
}

// Swallows notices so that benchmarks print only their numbers.
struct Quiet : vantora::notice::Handler {
    void show(const std::string&, vantora::notice::Icon) override {}
    vantora::notice::Answer ask(const std::string&, vantora::notice::Buttons,
                                vantora::notice::Icon) override {
        return vantora::notice::Answer::Ok;
    }
};

} // namespace vantora::bench
