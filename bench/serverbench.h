#pragma once
// The benchmarks' PostgreSQL server: VANTORA_BENCH_SERVER names a database
// of it by URI ("postgresql://user@/vantora_bench?host=/socket/dir"). Set,
// the large-facility benchmarks run on a copy of the large facility in that
// database; unset, they run on the store files. The psql client runs the
// statements that are not measured.

#include "db/facility.h"
#include "util/facilitylocation.h"

#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace vantora::bench {

#ifdef VANTORA_PSQL
inline const std::string Psql = VANTORA_PSQL;
#else
inline const std::string Psql = "psql";
#endif

#ifdef VANTORA_BENCH_DIR
inline const std::string BenchDir = VANTORA_BENCH_DIR;
#else
inline const std::string BenchDir = "bench";
#endif

// VANTORA_BENCH_SERVER; empty when unset.
inline std::string benchServer() {
    const char* uri = std::getenv("VANTORA_BENCH_SERVER");
    return uri ? uri : "";
}

// The URI naming another database of the same server.
inline std::string otherDatabase(const std::string& uri, const std::string& database) {
    QUrl url(QString::fromStdString(uri));
    url.setPath(QStringLiteral("/") + QString::fromStdString(database));
    return url.toString().toStdString();
}

// The database a URI names.
inline std::string databaseOf(const std::string& uri) {
    return QUrl(QString::fromStdString(uri)).path().mid(1).toStdString();
}

// A shell word in single quotes.
inline std::string shellWord(const std::string& text) {
    std::string word = "'";
    for (char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// Runs psql with its arguments on the database of `uri`; its output with the
// last line end taken off. A failure ends the benchmark.
inline std::string psqlOutput(const std::string& uri, const std::string& arguments) {
    const std::string command =
        Psql + " -X -q -At -v ON_ERROR_STOP=1 " + shellWord(uri) + " " + arguments;
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    if (::pclose(pipe) != 0)
        throw std::runtime_error("failed: " + FacilityLocation::withoutPassword(command));
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

// One statement through psql; its output.
inline std::string psql(const std::string& uri, const std::string& sql) {
    return psqlOutput(uri, "-c " + shellWord(sql));
}

// Creates the database `uri` names when the server does not have it.
inline void ensureDatabase(const std::string& uri) {
    const std::string name = databaseOf(uri);
    const std::string admin = otherDatabase(uri, "postgres");
    if (psql(admin, "SELECT COUNT(*) FROM pg_database WHERE datname = '" + name + "'") == "0")
        psql(admin, "CREATE DATABASE \"" + name + "\"");
}

// Puts the facility of the store folder into the database `uri` names: the
// tables are created as for a new facility when missing, and
// bench/copytoserver.sh fills them, rows and hidden keys alike, unless they
// hold the files' members and workouts already.
inline void copyFacilityToServer(const std::string& folder, const std::string& uri) {
    ensureDatabase(uri);
    if (psql(uri, "SELECT to_regclass('\"Members\"') IS NULL") == "t") {
        db::facility::Settings settings;
        settings.name = "Benchmark Fitness Center";
        settings.password = "bench";
        if (const std::string error = db::facility::create(uri, settings); !error.empty())
            throw std::runtime_error(error);
    }
    const std::string command = "PSQL=" + shellWord(Psql) + " " + BenchDir + "/copytoserver.sh " +
                                shellWord(folder) + " " + shellWord(uri) + " >&2";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("the copy of the large facility to the server failed");
}

} // namespace vantora::bench
