#pragma once
// Export lines of the four record kinds, written as the backup writes them,
// and the readers run over a file, for the restore tests.

#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daowk.h"

#include "support/facility.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace vantora::test {

enum class Kind { Members, Workouts, BodyComps, Evaluations };

inline const char* kindName(Kind k) {
    switch (k) {
    case Kind::Members:
        return "Members";
    case Kind::Workouts:
        return "Workouts";
    case Kind::BodyComps:
        return "BodyComps";
    case Kind::Evaluations:
        return "Evaluations";
    }
    return "";
}

// A distinct date-time for each n: one minute apart from 1 March 2026.
inline std::string stamp(int n) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/2026 %02d:%02d:00", 3 + n / 40320,
                  1 + (n / 1440) % 28, (n / 60) % 24, n % 60);
    return text;
}

// Member id; every third member has a class.
inline std::string memberLine(long id) {
    std::string line = std::to_string(id) + "|" + std::to_string(5000 + id) +
                       "|Ann|B|Smith|1|01/05/2026 00:00:00|12/31/2026 00:00:00|2|1|1 Main St|"
                       "Town|OH|44101|555-0100|a@b.org|Joe|555-0101|Dr Who|1|0|05/17/1980 "
                       "00:00:00|0|3|5|";
    if (id % 3 == 0)
        line += "0|Fitness|Circuit|A|1|2|0|1|";
    return line + "\n";
}

inline std::string workoutLine(long id, int n) {
    return std::to_string(id) + "|0|1|" + stamp(n) + "|" + stamp(n + 1) +
           "|3|1|2|3|4|5|6|7|8|9|10|11|12\n";
}

inline std::string bodyCompLine(long id, int n) {
    return std::to_string(id) + "|" + stamp(n) +
           "|0|68.00|150.00|2|1|21.50|32.00|6.50|38.00|10.00|12.00|14.00|9.00|11.00|8.00|13.00|"
           "90.00|5.00|2.00|0\n";
}

inline std::string evalLine(long id, long evaluationId, int n) {
    std::string line = std::to_string(id) + "|" + std::to_string(evaluationId) + "|0|" + stamp(n) +
                       "|68.00|150.00|2|60|120|80|12.50|30|25|40|12|90|" +
                       "21.00|10.00|12.00|14.00|9.00|11.00|8.00|13.00";
    for (int s = 0; s < 24; ++s)
        line += "|" + std::to_string(10 + s) + ".00";
    return line + "\n";
}

// Line n of a file of `kind` for members 1..members.
inline std::string lineOf(Kind kind, int n, long members) {
    const long id = 1 + n % members;
    switch (kind) {
    case Kind::Members:
        return memberLine(n + 1);
    case Kind::Workouts:
        return workoutLine(id, n);
    case Kind::BodyComps:
        return bodyCompLine(id, n);
    case Kind::Evaluations:
        return evalLine(id, n + 1, n);
    }
    return {};
}

// Adds members 1..count through a connection of the fixture's own, so that
// the program under test has opened nothing yet.
inline void addPlainMembers(Facility& facility, long count) {
    facility.exec("members.mdb", "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                 "WHERE i < " +
                                     std::to_string(count) +
                                     ") INSERT INTO Members (MemberID, Barcode, FirstName, "
                                     "MiddleInitial, LastName, MemberStatus) SELECT i, 1000 + i, "
                                     "'M', '', 'Member', 1 FROM n");
}

// Runs the reader of `kind` over the file; the summary of its restore.
inline CDAOEFSet::RestoreSummary restoreFile(Kind kind, const std::string& path, long memberId = 0,
                                             bool flag = true) {
    std::ifstream in(path, std::ios::binary);
    auto run = [&](CDAOEFSet&& set) {
        set.Restore(in, '|', memberId, flag);
        return set.LastRestore();
    };
    switch (kind) {
    case Kind::Members:
        return run(CDAOMem());
    case Kind::Workouts:
        return run(CDAOWk());
    case Kind::BodyComps:
        return run(CDAOBodyComp());
    case Kind::Evaluations:
        return run(CDAOEval());
    }
    return {};
}

// Records of `kind` in the store, each counted once only when whole: a
// member with its enrollment and profile, an evaluation with its circuit
// and skin-fold rows.
inline long long wholeRecords(Facility& f, Kind kind) {
    switch (kind) {
    case Kind::Members:
        return f.count("members.mdb", "SELECT count(*) FROM Members m JOIN Enrollments e ON "
                                      "e.MemberID = m.MemberID JOIN Profiles p ON p.MemberID = "
                                      "m.MemberID");
    case Kind::Workouts:
        return f.count("members.mdb", "SELECT count(*) FROM Workouts");
    case Kind::BodyComps:
        return f.count("members.mdb", "SELECT count(*) FROM BodyComps");
    case Kind::Evaluations:
        return f.count("members.mdb", "SELECT count(*) FROM Evaluations e JOIN Circuit c ON "
                                      "c.EvaluationID = e.EvaluationID JOIN EvalBodyComps b ON "
                                      "b.EvaluationID = e.EvaluationID");
    }
    return 0;
}

// Rows of the kind's tables that are not part of one whole record, or
// repeat one: 0 in a sound store.
inline long long strayRows(Facility& f, Kind kind) {
    const long long whole = wholeRecords(f, kind);
    switch (kind) {
    case Kind::Members:
        return f.count("members.mdb", "SELECT count(*) FROM Members") - whole +
               f.count("members.mdb", "SELECT count(*) FROM Enrollments") - whole +
               f.count("members.mdb", "SELECT count(*) FROM Profiles") - whole +
               f.count("members.mdb", "SELECT count(*) - count(DISTINCT MemberID) FROM Members") +
               f.count(
                   "members.mdb",
                   "SELECT count(*) - count(DISTINCT MemberID || '/' || Category) FROM Classes");
    case Kind::Workouts:
        return whole - f.count("members.mdb",
                               "SELECT count(DISTINCT MemberID || '/' || CheckIn) FROM "
                               "Workouts");
    case Kind::BodyComps:
        return whole - f.count("members.mdb", "SELECT count(DISTINCT MemberID || '/' || "
                                              "BodyCompDate) FROM BodyComps");
    case Kind::Evaluations:
        return f.count("members.mdb", "SELECT count(*) FROM Evaluations") - whole +
               f.count("members.mdb", "SELECT count(*) FROM Circuit") - whole +
               f.count("members.mdb", "SELECT count(*) FROM EvalBodyComps") - whole + whole -
               f.count("members.mdb",
                       "SELECT count(DISTINCT MemberID || '/' || EvaluationDate) FROM Evaluations");
    }
    return 0;
}

// A file of `lines` records of `kind` for members 1..members.
inline void writeFile(const std::string& path, Kind kind, int lines, long members) {
    std::ofstream out(path, std::ios::binary);
    for (int n = 0; n < lines; ++n)
        out << lineOf(kind, n, members);
}

} // namespace vantora::test
