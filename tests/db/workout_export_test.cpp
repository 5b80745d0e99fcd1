// The workout export line: writing, recognising and restoring workout files.

#include "db/daomem.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "util/text.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

using namespace vantora::test;

namespace {

CEFOleDateTime when(int month, int day, int hour, int minute = 0, int second = 0) {
    return CEFOleDateTime(2026, month, day, hour, minute, second);
}

void addMember(long id, long barcode) {
    CDAOSmMem m;
    m.OpenSet(false);
    m.Op(CDAOEFSet::opAddNew);
    m.MemberID = id;
    m.Barcode = barcode;
    m.FirstName = "M" + std::to_string(id);
    m.LastName = "Member";
    m.MemberStatus = 1;
    m.Op(CDAOEFSet::opUpdate);
    ASSERT_FALSE(m.LastOpFailed());
}

struct Wk {
    long id;
    unsigned char cls, ok;
    CEFOleDateTime in, out;
    std::vector<short> stations;
};

void addWorkout(const Wk& w) {
    CDAOWk wk;
    wk.OpenSet(false);
    wk.Op(CDAOEFSet::opAddNew);
    wk.MemberID = w.id;
    wk.ClassIndx = w.cls;
    wk.WorkoutOK = w.ok;
    wk.CheckIn = w.in;
    wk.CheckOut = w.out;
    for (std::size_t i = 0; i < w.stations.size(); ++i)
        wk.SetStnVal(static_cast<int>(i), w.stations[i]);
    wk.Op(CDAOEFSet::opUpdate);
    ASSERT_FALSE(wk.LastOpFailed());
}

// Writes every workout, as the desk's backup does; returns how many.
int backup(const std::string& path) {
    CDAOWk wk;
    wk.FindWks(0);
    std::ofstream out(path, std::ios::binary);
    CText text(&out, '|');
    int n = 0;
    for (; !wk.IsEOF(); wk.Op(CDAOEFSet::opMoveNext), ++n)
        wk.Save(&text);
    return n;
}

int restore(const std::string& path, long memberId = 0) {
    std::ifstream in(path, std::ios::binary);
    CDAOWk wk;
    return wk.Restore(in, '|', memberId, true);
}

bool test(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    CDAOWk wk;
    return wk.Test(in, '|');
}

void write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Every stored workout as comparable values, ordered by member and check-in.
using Row = std::tuple<long, int, int, double, double, std::vector<short>>;
std::vector<Row> rows() {
    std::vector<Row> v;
    CDAOWk wk;
    wk.FindAllWks();
    for (; !wk.IsEOF(); wk.Op(CDAOEFSet::opMoveNext)) {
        std::vector<short> s;
        for (int i = 0; i < 13; ++i)
            s.push_back(wk.GetStnVal(i));
        v.emplace_back(wk.MemberID, wk.ClassIndx, wk.WorkoutOK, wk.CheckIn.m_dt, wk.CheckOut.m_dt,
                       s);
    }
    std::sort(v.begin(), v.end(), [](const Row& a, const Row& b) {
        return std::tie(std::get<0>(a), std::get<3>(a)) < std::tie(std::get<0>(b), std::get<3>(b));
    });
    return v;
}

const std::string GoodLine =
    "12|0|1|03/02/2026 10:00:00|03/02/2026 10:45:30|3|0|1|2|3|4|5|6|7|8|9|10|999\n";

TEST(WorkoutExport, LineHoldsEighteenFieldsAndEndsWithTheNewline) {
    Facility facility;
    addWorkout({12,
                2,
                1,
                when(3, 2, 10),
                when(3, 2, 10, 45, 30),
                {3, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 999}});
    TempDir out;
    ASSERT_EQ(backup(out.file("wk.dat")), 1);
    EXPECT_EQ(readFile(out.file("wk.dat")),
              "12|2|1|03/02/2026 10:00:00|03/02/2026 10:45:30|3|0|1|2|3|4|5|6|7|8|9|10|999\n");
}

TEST(WorkoutExport, FileNameIsStampedInTheBackupFolder) {
    Facility facility;
    FakeClock clock(2026, 3, 4, 10, 15, 30);
    CDAOWk wk;
    EXPECT_EQ(wk.GetDefaultPathFileName(), wk.GetFilePath() + "wk030426101530.dat");
    EXPECT_FALSE(wk.GetFilePath().empty());
}

TEST(WorkoutExport, BackupRestoresIntoAnEmptyFacilityUnderTheUnassignedClass) {
    TempDir out;
    const std::string file = out.file("workouts.dat");
    std::vector<Row> before;
    {
        Facility facility;
        for (long id : {3, 41, 502})
            addMember(id, id * 10);
        addWorkout({3, 0, 1, when(1, 5, 6, 0, 1), when(1, 5, 7, 2, 59), {2, 11, 0, 999}});
        addWorkout({3, 1, 0, when(2, 28, 23, 50), when(3, 1, 0, 20), {1}});
        addWorkout({41, 2, 0, when(3, 2, 9), when(3, 2, 9), {}});
        addWorkout({41,
                    99,
                    1,
                    when(3, 2, 17, 5, 5),
                    when(3, 2, 18, 5, 4),
                    {5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}});
        addWorkout({502,
                    0,
                    1,
                    when(12, 31, 6),
                    when(12, 31, 7, 30),
                    {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 77}});
        before = rows();
        ASSERT_EQ(backup(file), 5);
    }
    ASSERT_TRUE(test(file));

    Facility facility;
    for (long id : {3, 41, 502})
        addMember(id, id * 10);
    EXPECT_EQ(restore(file), 5);
    const std::vector<Row> after = rows();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        Row expected = before[i];
        std::get<1>(expected) = CDAOWk::ClassUnknown;
        EXPECT_EQ(after[i], expected) << "workout " << i;
    }
}

TEST(WorkoutExport, RestoreKeepsToOneMemberAndToMembersThatExist) {
    Facility facility;
    addMember(1, 100);
    addMember(2, 200);
    addMember(3, 0); // no workout number: still a member whose workouts count
    TempDir out;
    write(out.file("wk.dat"),
          "1|0|1|03/02/2026 10:00:00|03/02/2026 10:45:00|3|0|0|0|0|0|0|0|0|0|0|0|0\n"
          "2|1|1|03/02/2026 11:00:00|03/02/2026 11:45:00|3|0|0|0|0|0|0|0|0|0|0|0|0\n"
          "9|0|1|03/02/2026 12:00:00|03/02/2026 12:45:00|3|0|0|0|0|0|0|0|0|0|0|0|0\n"
          "1|2|0|03/03/2026 10:00:00|03/03/2026 10:05:00|0|0|0|0|0|0|0|0|0|0|0|0|0\n"
          "3|0|1|03/03/2026 18:00:00|03/03/2026 18:40:00|2|0|0|0|0|0|0|0|0|0|0|0|0\n");
    EXPECT_EQ(restore(out.file("wk.dat"), 1), 2);
    CDAOWk wk;
    EXPECT_EQ(wk.FindWks(1), 2);
    EXPECT_EQ(wk.FindWks(0), 2);

    // Every member's lines: member 9 does not exist and is skipped.
    EXPECT_EQ(restore(out.file("wk.dat")), 4);
    EXPECT_EQ(wk.FindWks(3), 1);
    EXPECT_EQ(wk.FindWks(9), 0);
    EXPECT_EQ(wk.FindWks(0), 6);
}

TEST(WorkoutExport, TestAcceptsWorkoutFilesAndRejectsOtherKinds) {
    Facility facility;
    TempDir out;
    write(out.file("own.dat"), GoodLine);
    EXPECT_TRUE(test(out.file("own.dat")));

    // A member file: id, workout number, names, status, dates ... and classes.
    write(out.file("members.dat"),
          "12|1200|Ana|B|Lind|1|01/05/2026 00:00:00|01/05/2027 00:00:00|2|0|1 Elm St|Oslo|"
          "NY|10001|555-0101|ana@example.org|Per|555-0102|Dr Hay|1|0|04/12/1990 00:00:00|0|3|"
          "0|\n");
    EXPECT_FALSE(test(out.file("members.dat")));
    // The same from the member backup itself, with and without classes.
    addMember(richMember(31, 0));
    addMember(richMember(32, 3));
    {
        CDAOMem m;
        ASSERT_EQ(m.FindAllMembers(true), 2);
        std::ofstream file(out.file("members2.dat"), std::ios::binary);
        CText text(&file, '|');
        for (; !m.IsEOF(); m.Op(CDAOEFSet::opMoveNext))
            m.Save(&text);
    }
    EXPECT_FALSE(test(out.file("members2.dat")));
    EXPECT_EQ(restore(out.file("members2.dat")), 0);
    // An evaluation file: member, evaluation id, class, date, doubles ...
    std::string eval = "12|4711|0|03/02/2026 00:00:00";
    for (int i = 0; i < 44; ++i)
        eval += "|1.50";
    write(out.file("evals.dat"), eval + "\n");
    EXPECT_FALSE(test(out.file("evals.dat")));
    write(out.file("empty.dat"), "");
    EXPECT_FALSE(test(out.file("empty.dat")));

    std::ifstream closed;
    CDAOWk wk;
    EXPECT_FALSE(wk.Test(closed, '|'));
    EXPECT_EQ(wk.Restore(closed, '|', 0, true), 0);
}

TEST(WorkoutExport, TestChecksEachFieldOfTheFirstLine) {
    Facility facility;
    TempDir out;
    const std::string tail = "|3|0|0|0|0|0|0|0|0|0|0|0|0\n";
    const std::string times = "|03/02/2026 10:00:00|03/02/2026 10:45:00";
    const std::vector<std::pair<std::string, bool>> cases = {
        {"1|0|0" + times + tail, true},
        {"999999999|99|1" + times + tail, true},
        {"0|0|1" + times + tail, false},          // member id 0
        {"1000000000|0|1" + times + tail, false}, // member id too large
        {"5|100|1" + times + tail, false},        // class index above 99
        {"5|0|2" + times + tail, false},          // OK flag not 0 or 1
        {"5|0|1|02/30/2026 10:00:00|03/02/2026 10:45:00" + tail, false},
        {"5|0|1|03/02/2026 10:00:00|soon" + tail, false},
        {"5|0|1" + times + "|3|0|0|0|0|0|0|0|0|0|0|0|1000\n", false},
        {"5|0|1" + times + "|-1|0|0|0|0|0|0|0|0|0|0|0|0\n", false},
        {"5|0|1" + times + "|3|0|0|0|0|0|0|0|0|0|0|0\n", false},     // a field short
        {"5|0|1" + times + "|3|0|0|0|0|0|0|0|0|0|0|0|0|0\n", false}, // a field over
    };
    for (const auto& [line, ok] : cases) {
        write(out.file("t.dat"), line);
        EXPECT_EQ(test(out.file("t.dat")), ok) << line;
    }
}

TEST(WorkoutExport, DamagedLinesAreSkippedAndTheGoodOnesRestored) {
    Facility facility;
    addMember(12, 1200);
    TempDir out;
    const std::string longField(40, '7');
    write(
        out.file("wk.dat"),
        GoodLine +                                           // good
            "12|0|1|03/02/2026 11:00:00|03/02/2026 11:4\n" + // cut short
            "12|0|1|03/02/2026 12:00:00|13/45/2026 12:30:00|3|0|0|0|0|0|0|0|0|0|0|0|0\n" +
            "\n" + // blank line
            "12|0|1|03/02/2026 13:00:00|03/02/2026 13:30:00|3|0|0|0|0|0|0|0|0|0|0|0|0|x|y\n" +
            "12|0|1|03/02/2026 14:00:00|03/02/2026 14:30:00|4" + std::string(35, ' ') +
            "|0|0|0|0|0|0|0|0|0|0|0|1\r\n" + // padded, CRLF
            "12|0|1|03/02/2026 15:00:00|03/02/2026 15:30:00|" + longField +
            "|0|0|0|0|0|0|0|0|0|0|0|0\n" + // over-long number
            "12|0|0|03/02/2026 16:00:00|03/02/2026 16:30:00|1|0|0|0|0|0|0|0|0|0|0|0|0"); // no
                                                                                         // newline
    std::ifstream in(out.file("wk.dat"), std::ios::binary);
    CDAOWk wk;
    EXPECT_EQ(wk.Restore(in, '|', 0, true), 3);
    EXPECT_EQ(wk.LastRestore().skipped, 4);
    EXPECT_EQ(wk.LastRestore().skippedLines, (std::vector<long>{2, 3, 5, 7}));
    EXPECT_EQ(wk.RestoreMessage(), "You have restored 3 record(s).\n"
                                   "4 damaged line(s) were skipped: line 2, 3, 5, 7.");
    EXPECT_EQ(wk.FindWks(12), 3);
    CEFOleDateTime t = when(3, 2, 14);
    ASSERT_EQ(wk.FindWks(12, t), 1);
    EXPECT_EQ(wk.GetStnVal(0), 4);
    EXPECT_EQ(wk.GetStnVal(12), 1);
    t = when(3, 2, 16);
    ASSERT_EQ(wk.FindWks(12, t), 1);
    EXPECT_EQ(wk.WorkoutOK, 0);
    EXPECT_EQ(wk.CheckOut, when(3, 2, 16, 30));
    t = when(3, 2, 10);
    ASSERT_EQ(wk.FindWks(12, t), 1);
    EXPECT_EQ(wk.GetStnVal(12), 999);
    EXPECT_EQ(wk.ClassIndx, CDAOWk::ClassUnknown);
}

} // namespace
