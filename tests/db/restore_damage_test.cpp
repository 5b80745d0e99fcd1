// Damaged lines in export files: each reader skips a line whose fields do
// not parse or lie outside their column's range, whole, counts it and
// names its line; text is read as UTF-8, else as Latin-1.

#include "db/daomem.h"

#include "exportlines.h"
#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace vantora::test;

namespace {

// The line (without its newline) with field i replaced, or removed when
// value is null, or a field inserted before i when insert.
std::string edited(std::string line, std::size_t i, const char* value, bool insert = false) {
    line.pop_back();
    std::vector<std::string> f;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, '|');)
        f.push_back(field);
    if (!line.empty() && line.back() == '|')
        f.emplace_back();
    if (insert)
        f.insert(f.begin() + static_cast<long>(i), value);
    else if (value)
        f[i] = value;
    else
        f.erase(f.begin() + static_cast<long>(i));
    std::string out;
    for (std::size_t k = 0; k < f.size(); ++k)
        out += (k ? "|" : "") + f[k];
    return out + "\n";
}

std::string manyClasses(int n) {
    std::string line = memberLine(1);
    line.pop_back();
    for (int c = 0; c < n; ++c)
        line += std::to_string(c % 99) + "|Cat" + std::to_string(c) + "|C|S|1|0|0|0|";
    return line + "\n";
}

struct Damage {
    const char* name;
    Kind kind;
    std::string line; // the damaged line, put between two sound ones
};

const std::string Wk = workoutLine(1, 500);
const std::string Bc = bodyCompLine(1, 500);
const std::string Ev = evalLine(1, 500, 500);
const std::string Mem = memberLine(2);

const Damage Damages[] = {
    {"WorkoutImpossibleDate", Kind::Workouts, edited(Wk, 3, "02/30/2024 10:00:00")},
    {"WorkoutNoDate", Kind::Workouts, edited(Wk, 4, "99/99/9999 99:99:99")},
    {"WorkoutStationBeyondShort", Kind::Workouts, edited(Wk, 7, "70000")},
    {"WorkoutNegativeStation", Kind::Workouts, edited(Wk, 17, "-1")},
    {"WorkoutOkTwo", Kind::Workouts, edited(Wk, 2, "2")},
    {"WorkoutFieldAdded", Kind::Workouts, edited(Wk, 5, "3", true)},
    {"WorkoutFieldRemoved", Kind::Workouts, edited(Wk, 5, nullptr)},
    {"WorkoutIdNotANumber", Kind::Workouts, edited(Wk, 0, "1a")},
    {"BodyCompNanWeight", Kind::BodyComps, edited(Bc, 4, "nan")},
    {"BodyCompInfHeight", Kind::BodyComps, edited(Bc, 3, "inf")},
    {"BodyCompActivityFive", Kind::BodyComps, edited(Bc, 5, "5")},
    {"BodyCompMethodFour", Kind::BodyComps, edited(Bc, 6, "4")},
    {"BodyCompFlagsBeyond", Kind::BodyComps, edited(Bc, 21, "300")},
    {"BodyCompFieldRemoved", Kind::BodyComps, edited(Bc, 9, nullptr)},
    {"EvaluationNanWeight", Kind::Evaluations, edited(Ev, 5, "nan")},
    {"EvaluationHugeStation", Kind::Evaluations, edited(Ev, 30, "1e999")},
    {"EvaluationNegativeId", Kind::Evaluations, edited(Ev, 1, "-3")},
    {"EvaluationActivityFive", Kind::Evaluations, edited(Ev, 6, "5")},
    {"EvaluationFieldAdded", Kind::Evaluations, edited(Ev, 20, "1.00", true)},
    {"EvaluationBadDate", Kind::Evaluations, edited(Ev, 3, "13/45/2026 10:00:00")},
    {"MemberStatus300", Kind::Members, edited(Mem, 5, "300")},
    {"MemberSexMinusOne", Kind::Members, edited(Mem, 22, "-1")},
    {"MemberImpossibleEnrollment", Kind::Members, edited(Mem, 6, "02/30/2024 00:00:00")},
    {"MemberGoalsBeyond", Kind::Members, edited(Mem, 23, "256")},
    {"MemberEightFieldsInserted", Kind::Members,
     edited(edited(edited(edited(edited(edited(edited(edited(Mem, 11, "a", true), 11, "b", true),
                                               11, "c", true),
                                        11, "d", true),
                                 11, "e", true),
                          11, "f", true),
                   11, "g", true),
            11, "h", true)},
    {"MemberEightFieldsRemoved", Kind::Members,
     edited(edited(edited(edited(edited(edited(edited(edited(Mem, 10, nullptr), 10, nullptr), 10,
                                               nullptr),
                                        10, nullptr),
                                 10, nullptr),
                          10, nullptr),
                   10, nullptr),
            10, nullptr)},
    {"MemberHundredClasses", Kind::Members, manyClasses(100)},
    {"MemberClassIndexUnknown", Kind::Members, edited(memberLine(3), 25, "99")},
    {"MemberBonusBeyondShort", Kind::Members, edited(memberLine(3), 30, "40000")},
};

class DamagedLine : public testing::TestWithParam<Damage> {};

TEST_P(DamagedLine, IsSkippedWholeCountedAndNamed) {
    const Damage& d = GetParam();
    Facility facility;
    if (d.kind != Kind::Members)
        addPlainMembers(facility, 5);
    const std::string path = facility.backFolder() + "damaged.dat";
    std::ofstream(path, std::ios::binary)
        << lineOf(d.kind, 10, 5) << d.line << lineOf(d.kind, 11, 5);
    const auto summary = restoreFile(d.kind, path);
    EXPECT_EQ(summary.restored, 2);
    EXPECT_EQ(summary.skipped, 1);
    EXPECT_EQ(summary.skippedLines, std::vector<long>{2});
    EXPECT_EQ(wholeRecords(facility, d.kind), 2);
    EXPECT_EQ(strayRows(facility, d.kind), 0);
    EXPECT_EQ(facility.notices()->count(), 0u) << facility.notices()->last();
}

INSTANTIATE_TEST_SUITE_P(EveryReader, DamagedLine, testing::ValuesIn(Damages),
                         [](const testing::TestParamInfo<Damage>& info) {
                             return std::string(info.param.name);
                         });

TEST(RestoreText, MemberWithNinetyNineClassesKeepsThemAll) {
    Facility facility;
    const std::string path = facility.backFolder() + "classes.dat";
    std::ofstream(path, std::ios::binary) << manyClasses(99);
    EXPECT_EQ(restoreFile(Kind::Members, path).restored, 1);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Classes WHERE ClassIndx < 99"),
              99);
}

TEST(RestoreText, Latin1AndUtf8NamesBothArriveAsUtf8) {
    Facility facility;
    const std::string path = facility.backFolder() + "names.dat";
    std::string latin = memberLine(1);
    latin.replace(latin.find("Ann"), 3, "Zo\xEB");
    std::string utf8 = memberLine(2);
    utf8.replace(utf8.find("Ann"), 3, "Zo\xC3\xAB");
    std::ofstream(path, std::ios::binary) << latin << utf8;
    EXPECT_EQ(restoreFile(Kind::Members, path).restored, 2);
    EXPECT_EQ(readMember(1).first, "Zo\xC3\xAB");
    EXPECT_EQ(readMember(2).first, "Zo\xC3\xAB");
}

TEST(RestoreText, NumbersParseWholeAndInRangeOnly) {
    const std::pair<const char*, bool> longs[] = {
        {"42", true},   {" 42 ", true}, {"+42", true},  {"-3", false},
        {"", false},    {"4 2", false}, {"42x", false}, {"0x2a", false},
        {"+-4", false}, {"100", true},  {"101", false}, {"99999999999999999999", false}};
    for (const auto& [text, ok] : longs) {
        long v = 0;
        EXPECT_EQ(CDAOEFSet::ParseLong(text, 0, 100, v), ok) << text;
    }
    const std::pair<const char*, bool> doubles[] = {
        {"68.25", true}, {"1e2", true},    {"nan", false}, {"inf", false}, {"1e999", false},
        {"-1", false},   {"1.2.3", false}, {"+-1", false}, {".", false},   {"", false}};
    for (const auto& [text, ok] : doubles) {
        double v = 0;
        EXPECT_EQ(CDAOEFSet::ParseDouble(text, 0, 1000, v), ok) << text;
    }
}

TEST(RestoreText, MessageNamesTheFirstSkippedLines) {
    CDAOEFSet::RestoreSummary s;
    s.restored = 7;
    EXPECT_EQ(CDAOEFSet::RestoreMessage(s), "You have restored 7 record(s).");
    s.skipped = 12;
    s.skippedLines = {2, 3, 5, 8, 13, 21, 34, 55, 89, 144};
    EXPECT_EQ(CDAOEFSet::RestoreMessage(s),
              "You have restored 7 record(s).\n12 damaged line(s) were skipped: line 2, 3, 5, "
              "8, 13, 21, 34, 55, 89, 144 and 2 more.");
}

// Every reader over every damaged file kept with the tests: nothing stored
// that was not counted, no half record, no database error.
TEST(DamagedFiles, EveryReaderStoresOnlyWholeCountedRecords) {
    const std::filesystem::path folder =
        std::filesystem::path(VANTORA_SOURCE_DIR) / "tests" / "db" / "damagedfiles";
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        files.push_back(e.path());
    ASSERT_GE(files.size(), 12u);
    for (Kind kind : {Kind::Members, Kind::Workouts, Kind::BodyComps, Kind::Evaluations}) {
        Facility facility;
        if (kind != Kind::Members)
            addPlainMembers(facility, 5);
        long long total = 0;
        for (const auto& file : files) {
            SCOPED_TRACE(std::string(kindName(kind)) + " " + file.filename().string());
            const auto before = wholeRecords(facility, kind);
            const auto summary = restoreFile(kind, file.string());
            EXPECT_FALSE(summary.stopped);
            if (kind == Kind::Members)
                EXPECT_GE(wholeRecords(facility, kind), before); // a repeated member is replaced
            else
                EXPECT_EQ(wholeRecords(facility, kind), before + summary.restored);
            total += summary.restored + summary.skipped;
            EXPECT_EQ(strayRows(facility, kind), 0);
        }
        EXPECT_GT(total, 0);
        EXPECT_EQ(facility.notices()->count(), 0u) << facility.notices()->last();
    }
}

} // namespace
