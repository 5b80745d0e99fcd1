// Member backup and restore: a facility's members written line by line with
// CDAOMem::Save and restored into emptied member tables with CDAOMem::Restore,
// against the sqlite3 shell's .import of the same rows into the three member
// tables.
//
// The number of members is VANTORA_BENCH_MEMBERS (default 100000); every
// third member has a class. "vs_sqlite3" is our restore time divided by the
// shell's import time.

#include "db/daomem.h"
#include "db/facility.h"
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
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using vantora::bench::indexStatements;
using vantora::bench::Quiet;
using vantora::bench::quoted;
using vantora::bench::secondsOf;
using vantora::bench::Sqlite3;

long memberCount() {
    return vantora::bench::envNumber("VANTORA_BENCH_MEMBERS", 100000);
}

// A facility whose members the sqlite3 shell writes, then backed up once
// through CDAOMem::Save into "mem.dat".
class BenchFacility {
public:
    BenchFacility() : members_(memberCount()) {
        root_ = fs::temp_directory_path() / ("vantora-membench-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "back");
        const std::string db = (root_ / "db").string() + "/";
        setenv("VANTO_DB", db.c_str(), 1);
        setenv("VANTO_BACK", ((root_ / "back").string() + "/").c_str(), 1);
        const std::string error = vantora::db::facility::create(db, {});
        if (!error.empty())
            throw std::runtime_error(error);
        const std::string n = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < " +
                              std::to_string(members_) + ") ";
        sql("INSERT INTO Members (MemberID, Barcode, FirstName, MiddleInitial, LastName, "
            "MemberStatus) " +
            n + "SELECT i, 100000 + i, 'First' || i, 'M', 'Last' || i, i % 2 FROM n;" +
            "INSERT INTO Enrollments (MemberID, EnrollmentDate, ExpirationDate, "
            "EnrollmentPeriod, IncentiveClub) " +
            n + "SELECT i, 46023.0 + i % 300, 46388.0 + i % 300, i % 4, i % 2 FROM n;" +
            "INSERT INTO Profiles (MemberID, Address, City, State, Zip, Phone, Email, "
            "EmerContactName, EmerContactPhone, FamilyPhysician, SignedRelease, Employee, "
            "Birthday, Sex, Goals, MedHistory) " +
            n +
            "SELECT i, i || ' Main Street', 'Springfield', 'IL', '62701', '555-0100', "
            "'m' || i || '@example.org', 'Contact ' || i, '555-0199', 'Dr. Adams', i % 2, "
            "i % 5 = 0, 25000.0 + i % 15000, i % 2, i % 256, i % 2097152 FROM n;" +
            "INSERT INTO Classes (MemberID, ClassIndx, Category, Course, Section, GradeStatus, "
            "OrientationBonus, ReEvaluationBonus, OtherBonus) " +
            n + "SELECT i, 0, 'Kinesiology', 'KIN 101', 'A', 0, 1, 0, 0 FROM n WHERE i % 3 = 0;");
        backup();
        splitForImport();
    }
    ~BenchFacility() { fs::remove_all(root_); }

    fs::path members() const { return root_ / "db" / "members.mdb"; }
    fs::path file(const char* name) const { return root_ / "back" / name; }
    long count() const { return members_; }

    void sql(const std::string& statements) const {
        const fs::path script = root_ / "script.sql";
        std::ofstream(script) << statements << "\n";
        secondsOf(Sqlite3 + " -batch " + quoted(members()) + " < " + quoted(script));
    }

private:
    void backup() const {
        std::ofstream out(file("mem.dat"), std::ios::binary);
        CText text(&out, '|');
        CDAOMem mem;
        for (mem.FindAllMembers(true); !mem.IsEOF(); mem.Op(CDAOEFSet::opMoveNext))
            mem.Save(&text);
    }

    // The member fields of each export line as three files, one per table,
    // for the shell's import.
    void splitForImport() const {
        std::ifstream in(file("mem.dat"), std::ios::binary);
        std::ofstream m(file("members.txt")), e(file("enrollments.txt")), p(file("profiles.txt"));
        std::string line;
        while (std::getline(in, line)) {
            std::vector<std::string> f(1);
            for (char c : line) {
                if (c == '|')
                    f.emplace_back();
                else
                    f.back() += c;
            }
            auto row = [&](std::ofstream& out, std::size_t from, std::size_t to) {
                out << f[0];
                for (std::size_t i = from; i <= to; ++i)
                    out << '|' << f[i];
                out << '\n';
            };
            row(m, 1, 5);
            row(e, 6, 9);
            row(p, 10, 24);
        }
    }

    fs::path root_;
    long members_;
};

void BM_MemberRestore(benchmark::State& state) {
    vantora::notice::ScopedHandler quiet(std::make_shared<Quiet>());
    BenchFacility f;
    const fs::path scratch = f.file("import.db");
    const fs::path script = f.file("import.sql");
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        f.sql("DELETE FROM Members; DELETE FROM Enrollments; DELETE FROM Profiles; "
              "DELETE FROM Classes;");
        const auto t0 = std::chrono::steady_clock::now();
        std::ifstream in(f.file("mem.dat"), std::ios::binary);
        CDAOMem mem;
        const int n = mem.Restore(in, '|', 0, true);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (n != f.count())
            state.SkipWithError("not every member was restored");
        state.SetIterationTime(s);
        ours += s;

        fs::remove(scratch);
        std::ofstream(script)
            << "PRAGMA journal_mode=WAL;\n"
            << "CREATE TABLE Members (MemberID INTEGER, Barcode INTEGER, FirstName TEXT, "
               "MiddleInitial TEXT, LastName TEXT, MemberStatus INTEGER);\n"
            << "CREATE TABLE Enrollments (MemberID INTEGER, EnrollmentDate TEXT, ExpirationDate "
               "TEXT, EnrollmentPeriod INTEGER, IncentiveClub INTEGER);\n"
            << "CREATE TABLE Profiles (MemberID INTEGER, Address TEXT, City TEXT, State TEXT, "
               "Zip TEXT, Phone TEXT, Email TEXT, EmerContactName TEXT, EmerContactPhone TEXT, "
               "FamilyPhysician TEXT, SignedRelease INTEGER, Employee INTEGER, Birthday TEXT, "
               "Sex INTEGER, Goals INTEGER, MedHistory INTEGER);\n"
            // the same indexes our restore keeps up to date
            << indexStatements(f.members(), "'Members','Enrollments','Profiles'")
            << ".separator |\n"
            << ".import " << f.file("members.txt").string() << " Members\n"
            << ".import " << f.file("enrollments.txt").string() << " Enrollments\n"
            << ".import " << f.file("profiles.txt").string() << " Profiles\n";
        theirs += secondsOf(Sqlite3 + " -batch " + quoted(scratch) + " < " + quoted(script) +
                            " > /dev/null");
    }
    state.counters["members"] = static_cast<double>(f.count());
    state.counters["vs_sqlite3"] = ours / theirs;
}

BENCHMARK(BM_MemberRestore)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
