// The member tables and the joined member view: lookups, walks, texts, flags,
// deleting checked-in members and the member export line.

#include "db/daochkin.h"
#include "db/daomem.h"
#include "db/daoprof.h"
#include "db/daosmmem.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace vantora::test;

namespace {

MemberData plainMember(long id, long barcode, const char* first, const char* last,
                       unsigned char status) {
    MemberData m;
    m.id = id;
    m.barcode = barcode;
    m.first = first;
    m.last = last;
    m.status = status;
    m.enrollment = CEFOleDateTime(2026, 1, 5);
    m.expiration = CEFOleDateTime(2026, 12, 31);
    m.birthday = CEFOleDateTime(1980, 6, 15);
    return m;
}

void checkIn(long id, long barcode, CEFOleDateTime when) {
    CDAOChkIn c;
    c.FindChkIns();
    c.Op(CDAOEFSet::opAddNew);
    c.MemberID = id;
    c.Barcode = barcode;
    c.FirstName = "F";
    c.LastName = "L";
    c.CheckIn = when;
    c.ClassIndx = 0;
    c.Op(CDAOEFSet::opUpdate);
}

int openCheckIns(long id) {
    CDAOChkIn c;
    return c.IsCheckedIn(CDAOSmMem::idMember, id);
}

std::vector<std::string> split(const std::string& s, char d) {
    std::vector<std::string> out(1);
    for (char c : s) {
        if (c == d)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// One member's export line, written through CText as the backup does.
std::string exportLine(long id, const TempDir& dir) {
    const std::string path = dir.file("line.dat");
    {
        std::ofstream out(path);
        CText text(&out, '|');
        CDAOMem mem;
        mem.FindMember(CDAOSmMem::idMember, id);
        mem.Save(&text);
    }
    return readFile(path);
}

class Members : public ::testing::Test {
protected:
    void SetUp() override {
        addMember(plainMember(10, 1010, "Ada", "Moreau", 1));
        addMember(plainMember(11, 0, "Bea", "Albert", 1)); // no card
        addMember(plainMember(12, 1012, "Cy", "Zeller", 0));
        addMember(plainMember(13, 1013, "Dee", "Lambert", 0));
    }
    // No database error may pass unnoticed.
    void TearDown() override { EXPECT_EQ(facility.notices().texts(), std::vector<std::string>{}); }
    Facility facility;
    TempDir dir;
};

} // namespace

TEST_F(Members, FindMemberGivesTheOtherKey) {
    CDAOSmMem sm;
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idMember, 10), 1010);
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idBarcode, 1012), 12);
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idBarcode, 999), 0);
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idMember, 99), 0);
    // Any other key kind looks up by member id.
    EXPECT_EQ(sm.FindMember(7, 12), 1012);

    CDAOMem mem;
    EXPECT_EQ(mem.FindMember(CDAOSmMem::idMember, 13), 1013);
    EXPECT_EQ(mem.FindMember(CDAOSmMem::idBarcode, 1010), 10);
    EXPECT_EQ(mem.FindMember(CDAOSmMem::idBarcode, 4242), 0);
}

TEST_F(Members, MemberWithoutCardReadsAsAbsentAndBarcodeZeroFindsNobody) {
    CDAOSmMem sm;
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idMember, 11), 0);
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idBarcode, 0), 0);
    EXPECT_EQ(sm.CountSet(), 0);
    CDAOMem mem;
    EXPECT_EQ(mem.FindMember(CDAOSmMem::idBarcode, 0), 0);
    EXPECT_EQ(mem.CountSet(), 0);
}

TEST_F(Members, ListsByNameAndStatusAndCountsPastMembers) {
    CDAOSmMem sm;
    EXPECT_EQ(sm.FindAllMembersByName(true), 4);
    std::vector<std::string> names;
    while (!sm.IsEOF()) {
        names.push_back(sm.LastName);
        sm.Op(CDAOEFSet::opMoveNext);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Albert", "Lambert", "Moreau", "Zeller"}));
    EXPECT_EQ(sm.CountPast(), 2);
    EXPECT_EQ(sm.MemberID, 11); // back on the first record

    EXPECT_EQ(sm.FindAllMembersByStatus(0, true), 2);
    EXPECT_EQ(sm.LastName, "Lambert");
    EXPECT_EQ(sm.FindAllMembers(false), 0);
    EXPECT_EQ(sm.CountSet(), 4);

    CDAOMem mem;
    EXPECT_EQ(mem.FindAllMembersByStatus(1, true), 2);
    EXPECT_EQ(mem.LastName, "Albert");
    EXPECT_EQ(mem.FindAllMembersByName(true), 4);
    EXPECT_EQ(mem.FindAllMembers(true), 4);
}

TEST_F(Members, NamesSortWithoutRegardToCaseAndEqualNamesInTheOrderAdded) {
    for (const auto& [id, last] : std::vector<std::pair<long, const char*>>{
             {20, "smith"}, {21, "Adams"}, {22, "SMITHSON"}, {23, "baker"}, {24, "Smith"}})
        addMember(plainMember(id, 2000 + id, "F", last, 1));
    CDAOSmMem sm;
    EXPECT_EQ(sm.FindAllMembersByName(true), 9);
    std::vector<long> ids;
    for (; !sm.IsEOF(); sm.Op(CDAOEFSet::opMoveNext))
        ids.push_back(sm.MemberID);
    // Adams, Albert, baker, Lambert, Moreau, smith, Smith, SMITHSON, Zeller.
    EXPECT_EQ(ids, (std::vector<long>{21, 11, 23, 13, 10, 20, 24, 22, 12}));
}

TEST_F(Members, GetMemberSearchesTheCurrentResultOnly) {
    CDAOSmMem sm;
    std::string first = "x", middle = "x", last = "x";
    unsigned char status = 9;
    EXPECT_FALSE(sm.GetMember(CDAOSmMem::idMember, 10, first, middle, last, status));
    EXPECT_EQ(first, "");
    EXPECT_EQ(status, 0);

    sm.FindAllMembersByStatus(1, true);
    EXPECT_TRUE(sm.GetMember(CDAOSmMem::idBarcode, 1010, first, middle, last, status));
    EXPECT_EQ(first, "Ada");
    EXPECT_EQ(last, "Moreau");
    EXPECT_EQ(status, 1);
    // Member 12 is a past member, outside the current result.
    EXPECT_FALSE(sm.GetMember(CDAOSmMem::idMember, 12, first, middle, last, status));
    EXPECT_FALSE(sm.GetMember(5, 10, first, middle, last, status));
}

TEST_F(Members, TextsOfStatusAndSex) {
    EXPECT_EQ(CDAOSmMem::GetStatusStr(0), "Past");
    EXPECT_EQ(CDAOSmMem::GetStatusStr(7), "Current");
    EXPECT_EQ(CDAOMem::GetStatusStr(0), "Past");
    EXPECT_EQ(CDAOMem::GetStatusStr(1), "Current");
    EXPECT_EQ(CDAOMem::GetSexStr(0), "F");
    EXPECT_EQ(CDAOMem::GetSexStr(2), "M");
}

TEST_F(Members, CurrentUnexpiredNeedsBothStatusAndDate) {
    FakeClock clock(2026, 6, 1, 12, 0, 0);
    CDAOMem mem;
    mem.FindMember(CDAOSmMem::idMember, 10);
    EXPECT_TRUE(mem.IsCurrentUnexpired());
    mem.FindMember(CDAOSmMem::idMember, 12); // past, not expired
    EXPECT_FALSE(mem.IsCurrentUnexpired());
    mem.FindMember(CDAOSmMem::idMember, 10);
    clock->set(2027, 1, 1);
    EXPECT_FALSE(mem.IsCurrentUnexpired());
}

TEST_F(Members, GoalAndMedicalFlagsAndCaptions) {
    CDAOProf prof;
    ASSERT_EQ(prof.FindProfile(10), 1);
    prof.Op(CDAOEFSet::opEdit);
    prof.SetGoalFlag(CDAOProf::goalCardio | CDAOProf::goalStrength);
    prof.SetMedHistFlag(CDAOProf::medTobacco);
    prof.ClrGoalFlag(CDAOProf::goalStrength);
    prof.Op(CDAOEFSet::opUpdate);

    CDAOMem mem;
    mem.FindMember(CDAOSmMem::idMember, 10);
    EXPECT_EQ(mem.Goals, 32);
    EXPECT_TRUE(mem.GetGoalFlag(CDAOProf::goalCardio | CDAOProf::goalStrength));
    EXPECT_FALSE(mem.GetGoalFlag(CDAOProf::goalStrength));
    EXPECT_TRUE(mem.GetMedHistFlag(CDAOProf::medTobacco));
    EXPECT_FALSE(mem.GetMedHistFlag(CDAOProf::medStroke));

    EXPECT_EQ(CDAOProf::GetGoalStr(CDAOProf::goalFirmUp), "Firm Up/Lose Inches");
    EXPECT_EQ(CDAOProf::GetGoalStr(CDAOProf::goalFeelBetter), "Feel Better/Have More Energy");
    EXPECT_EQ(CDAOProf::GetMedHistStr(CDAOProf::medCurShoulder), "Cur. Shoulder Prob.");
    EXPECT_EQ(CDAOProf::GetMedHistStr(CDAOProf::medTobacco), "Smoke or Chew Tobacco");
    EXPECT_EQ(CDAOProf::GetGoalStr(3), "");
    EXPECT_EQ(CDAOProf::GetMedHistStr(2097152), "");
}

TEST_F(Members, DeletingACheckedInMemberRemovesEveryOpenVisit) {
    checkIn(10, 1010, CEFOleDateTime(2026, 3, 1, 9, 0, 0));
    checkIn(10, 1010, CEFOleDateTime(2026, 3, 1, 10, 0, 0));
    checkIn(12, 1012, CEFOleDateTime(2026, 3, 1, 9, 30, 0));
    CDAOSmMem sm;
    sm.FindMember(CDAOSmMem::idMember, 10);
    sm.DelCurrent();
    EXPECT_EQ(openCheckIns(10), 0);
    EXPECT_EQ(openCheckIns(12), 1);
    EXPECT_EQ(sm.FindMember(CDAOSmMem::idBarcode, 1010), 0);

    // A member without an open visit is deleted just the same.
    sm.FindMember(CDAOSmMem::idMember, 13);
    sm.DelCurrent();
    EXPECT_EQ(sm.FindAllMembers(true), 2);
}

TEST_F(Members, DeleteAllRemovesTheVisitsOfTheListedMembersOnly) {
    checkIn(10, 1010, CEFOleDateTime(2026, 3, 1, 9, 0, 0));
    checkIn(12, 1012, CEFOleDateTime(2026, 3, 1, 9, 30, 0));
    checkIn(13, 1013, CEFOleDateTime(2026, 3, 1, 9, 45, 0));
    CDAOSmMem sm;
    sm.FindAllMembersByStatus(0, true);
    EXPECT_EQ(sm.DelAll(), 2);
    EXPECT_EQ(openCheckIns(12), 0);
    EXPECT_EQ(openCheckIns(13), 0);
    EXPECT_EQ(openCheckIns(10), 1);
    EXPECT_EQ(sm.FindAllMembers(true), 2);

    CDAOSmMem closed;
    EXPECT_EQ(closed.DelAll(), 0);
}

TEST_F(Members, ExportLineOfAMemberWithoutClassesEndsWithDelimiterAndNewline) {
    const std::string line = exportLine(11, dir);
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.substr(line.size() - 2), "|\n");
    const auto fields = split(line.substr(0, line.size() - 1), '|');
    ASSERT_EQ(fields.size(), 26u);
    EXPECT_EQ(fields[0], "11");
    EXPECT_EQ(fields[1], "0");
    EXPECT_EQ(fields[2], "Bea");
    EXPECT_EQ(fields[6], "01/05/2026 00:00:00");
    EXPECT_EQ(fields[21], "06/15/1980 00:00:00");
    EXPECT_EQ(fields[25], "");
}

TEST_F(Members, ExportLineCarriesEightFieldsPerClass) {
    MemberData m = richMember(20, 3);
    m.classes.resize(2);
    addMember(m);
    const std::string line = exportLine(20, dir);
    const auto fields = split(line.substr(0, line.size() - 1), '|');
    ASSERT_EQ(fields.size(), 25u + 2 * 8 + 1);
    EXPECT_EQ(fields[2], "Zoë");
    EXPECT_EQ(fields[4], "O'Brien-Núñez");
    EXPECT_EQ(fields[23], "255");
    EXPECT_EQ(fields[24], "2097151");
    EXPECT_EQ(std::vector<std::string>(fields.begin() + 25, fields.begin() + 33),
              (std::vector<std::string>{"0", "Kinesiology", "KIN 101", "A", "0", "1", "2", "3"}));
    EXPECT_EQ(fields[33], "1");
    EXPECT_EQ(fields[34], "Athletics");
}

TEST_F(Members, DelimiterOrLineBreakInATextCannotSplitTheExportLine) {
    MemberData m = plainMember(30, 3030, "Jo|Anne", "Smith\nJones", 1);
    m.address = "1 Main St\r\nApt 2";
    m.classes.push_back({0, "Cat|A", "C\n1", "S", 0, 0, 0, 0});
    addMember(m);
    const std::string line = exportLine(30, dir);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    const auto fields = split(line.substr(0, line.size() - 1), '|');
    ASSERT_EQ(fields.size(), 25u + 8 + 1);
    EXPECT_EQ(fields[2], "Jo Anne");
    EXPECT_EQ(fields[4], "Smith Jones");
    EXPECT_EQ(fields[10], "1 Main St  Apt 2");
    EXPECT_EQ(fields[26], "Cat A");
    EXPECT_EQ(fields[27], "C 1");
    EXPECT_TRUE(CDAOMem::IsMemberLine(line.substr(0, line.size() - 1), '|'));
}

TEST_F(Members, ExportTestAcceptsMemberLinesAndRejectsOthers) {
    auto test = [&](const std::string& content) {
        const std::string path = dir.file("t.dat");
        {
            std::ofstream out(path, std::ios::binary);
            out << content;
        }
        std::ifstream in(path);
        CDAOMem mem;
        return mem.Test(in, '|');
    };
    const std::string member = exportLine(10, dir);
    EXPECT_TRUE(test(member));
    EXPECT_TRUE(test(exportLine(11, dir))); // barcode 0: a member without card
    MemberData m = richMember(21, 3);
    addMember(m);
    EXPECT_TRUE(test(exportLine(21, dir)));
    // Windows line ends and a missing last newline are accepted.
    std::string crlf = member;
    crlf.insert(crlf.size() - 1, "\r");
    EXPECT_TRUE(test(crlf));
    EXPECT_TRUE(test(member.substr(0, member.size() - 1)));

    EXPECT_FALSE(test(""));
    EXPECT_FALSE(test("0" + member.substr(member.find('|'))));          // id 0
    EXPECT_FALSE(test("abc" + member.substr(member.find('|'))));        // not a number
    EXPECT_FALSE(test("1000000000" + member.substr(member.find('|')))); // too large
    EXPECT_FALSE(test(member.substr(0, member.size() - 2) + "|x|\n"));  // stray field
    EXPECT_FALSE(test("10|1010|Ada|\n"));                               // short line
    // A workout line has too few fields.
    EXPECT_FALSE(test("10|1010|01/01/2026 09:00:00|0|45|1|0|0|0|0|0|0|0|0|0|0|0|0|0\n"));

    std::ifstream closed;
    CDAOMem mem;
    EXPECT_FALSE(mem.Test(closed, '|'));
}

TEST_F(Members, DefaultExportFileNameUsesTheBackupFolderAndTheTime) {
    FakeClock clock(2026, 12, 7, 10, 30, 5);
    CDAOMem mem;
    EXPECT_EQ(mem.GetDefaultPathFileName(), mem.GetFilePath() + "mem120726103005.dat");
    EXPECT_FALSE(mem.GetFilePath().empty());
}
