// Backing members up line by line and restoring them: round trips into an
// empty and into the same facility, the keep-existing and one-member rules,
// and damaged files.

#include "db/daocls.h"
#include "db/daoenr.h"
#include "db/daomem.h"
#include "db/daoprof.h"
#include "db/daosmmem.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

using namespace vantora::test;

namespace {

// The roster of the round trip: zero, one and three classes, a member
// without card, a past member with every flag cleared.
std::vector<MemberData> roster() {
    std::vector<MemberData> r{richMember(101, 0), richMember(102, 1), richMember(103, 3)};
    MemberData plain;
    plain.id = 104;
    plain.barcode = 0;
    plain.first = "Jean-Luc";
    plain.last = "D'Artagnan";
    plain.status = 0;
    plain.enrollment = CEFOleDateTime(2024, 1, 2, 7, 5, 9);
    plain.expiration = CEFOleDateTime(2024, 6, 30);
    plain.birthday = CEFOleDateTime(1961, 12, 31, 0, 0, 0);
    plain.sex = 1;
    r.push_back(plain);
    return r;
}

// Writes every member through Save, as the backup does.
void backup(const std::string& path) {
    std::ofstream out(path);
    CText text(&out, '|');
    CDAOMem mem;
    if (mem.FindAllMembers(true) > 0) {
        while (!mem.IsEOF()) {
            mem.Save(&text);
            mem.Op(CDAOEFSet::opMoveNext);
        }
    }
}

int restore(const std::string& path, long memberId, bool keepExisting) {
    std::ifstream in(path);
    CDAOMem mem;
    return mem.Restore(in, '|', memberId, keepExisting);
}

void write(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

// Rewrites a stored member's name, flags and one class, so a restore's
// effect shows.
void alter(long id) {
    CDAOSmMem sm;
    sm.FindMember(CDAOSmMem::idMember, id);
    sm.Op(CDAOEFSet::opEdit);
    sm.FirstName = "Changed";
    sm.Op(CDAOEFSet::opUpdate);
    CDAOProf prof;
    prof.FindProfile(id);
    prof.Op(CDAOEFSet::opEdit);
    prof.Goals = 1;
    prof.Op(CDAOEFSet::opUpdate);
    CDAOCls cls;
    if (cls.FindClasses(id) > 0) {
        cls.Op(CDAOEFSet::opEdit);
        cls.GradeStatus = 4;
        cls.ClassIndx = 50;
        cls.Op(CDAOEFSet::opUpdate);
    }
}

int rows(const char* table) {
    if (std::string(table) == "Members") {
        CDAOSmMem s;
        return s.FindAllMembers(true);
    }
    if (std::string(table) == "Enrollments") {
        CDAOEnr s;
        s.m_strFilter.clear();
        return s.OpenSet(true);
    }
    if (std::string(table) == "Profiles") {
        CDAOProf s;
        return s.OpenSet(true);
    }
    CDAOCls s;
    return s.FindClasses(0);
}

class MemberRestore : public ::testing::Test {
protected:
    TempDir dir;
    std::string file = dir.file("mem.dat");
};

} // namespace

TEST_F(MemberRestore, RoundTripIntoAnEmptyFacilityGivesEqualRecords) {
    const auto members = roster();
    {
        Facility source;
        for (const auto& m : members)
            addMember(m);
        backup(file);
    }
    Facility target;
    EXPECT_EQ(restore(file, 0, true), 4);
    for (const auto& m : members)
        EXPECT_EQ(readMember(m.id), m) << "member " << m.id;
    EXPECT_EQ(rows("Members"), 4);
    EXPECT_EQ(rows("Enrollments"), 4);
    EXPECT_EQ(rows("Profiles"), 4);
    EXPECT_EQ(rows("Classes"), 4);
    EXPECT_EQ(target.notices().texts(), std::vector<std::string>{});
}

TEST_F(MemberRestore, KeepExistingLeavesStoredMembersAlone) {
    Facility facility;
    for (const auto& m : roster())
        addMember(m);
    backup(file);
    alter(103);
    EXPECT_EQ(restore(file, 0, true), 0);
    const MemberData kept = readMember(103);
    EXPECT_EQ(kept.first, "Changed");
    EXPECT_EQ(kept.goals, 1);
    EXPECT_EQ(rows("Members"), 4);
    EXPECT_EQ(rows("Classes"), 4);
    EXPECT_EQ(facility.notices().texts(), std::vector<std::string>{});
}

TEST_F(MemberRestore, ReplaceRewritesStoredMembersWithoutDuplicates) {
    Facility facility;
    const auto members = roster();
    for (const auto& m : members)
        addMember(m);
    backup(file);
    alter(103);
    alter(104);
    EXPECT_EQ(restore(file, 0, false), 4);
    // Same records as saved: the class keeps the index from the file and
    // gets its grade status back.
    for (const auto& m : members)
        EXPECT_EQ(readMember(m.id), m) << "member " << m.id;
    EXPECT_EQ(rows("Members"), 4);
    EXPECT_EQ(rows("Enrollments"), 4);
    EXPECT_EQ(rows("Profiles"), 4);
    EXPECT_EQ(rows("Classes"), 4);
    EXPECT_EQ(facility.notices().texts(), std::vector<std::string>{});
}

TEST_F(MemberRestore, ReplaceAddsClassesMissingFromTheStore) {
    Facility facility;
    MemberData m = richMember(201, 3);
    addMember(m);
    backup(file);
    CDAOCls cls;
    cls.FindClasses(201, "Athletics", "", "");
    ASSERT_TRUE(cls.IsClassRecord("Athletics", "", ""));
    cls.DelCurrent();
    cls.Op(CDAOEFSet::opClose);
    EXPECT_EQ(restore(file, 0, false), 1);
    EXPECT_EQ(readMember(201), m);
}

TEST_F(MemberRestore, OneMemberIsRestoredAlone) {
    const auto members = roster();
    {
        Facility source;
        for (const auto& m : members)
            addMember(m);
        backup(file);
    }
    Facility target;
    EXPECT_EQ(restore(file, 103, true), 1);
    EXPECT_EQ(memberIds(), std::vector<long>{103});
    EXPECT_EQ(readMember(103), members[2]);
    // Already there and kept: nothing more.
    EXPECT_EQ(restore(file, 103, true), 0);
    // A member not in the file restores nothing.
    EXPECT_EQ(restore(file, 555, true), 0);
    EXPECT_EQ(memberIds(), std::vector<long>{103});
    // Replacing it rewrites that member only.
    alter(103);
    EXPECT_EQ(restore(file, 103, false), 1);
    EXPECT_EQ(readMember(103), members[2]);
    EXPECT_EQ(memberIds(), std::vector<long>{103});
}

TEST_F(MemberRestore, DamagedLinesAreSkippedAndGoodOnesRestored) {
    const auto members = roster();
    {
        Facility source;
        for (const auto& m : members)
            addMember(m);
        backup(file);
    }
    const std::string good = readFile(file);
    // Lines of 101, 102, 103, 104 in table order.
    std::vector<std::string> lines;
    for (std::size_t p = 0, q; (q = good.find('\n', p)) != std::string::npos; p = q + 1)
        lines.push_back(good.substr(p, q - p + 1));
    ASSERT_EQ(lines.size(), 4u);

    std::string damaged;
    damaged += "105|1|Short|\n";                            // short line
    damaged += "abc" + lines[0].substr(lines[0].find('|')); // not a number
    damaged += lines[1];
    std::string stray = lines[2];
    stray.insert(stray.find("Zoë") + 2, "|"); // a stray delimiter in a name
    damaged += stray;
    damaged += "\n";                                    // an empty line
    damaged += lines[3].substr(0, lines[3].size() - 1); // no last newline
    write(file, damaged);

    Facility target;
    EXPECT_EQ(restore(file, 0, true), 2);
    EXPECT_EQ(memberIds(), (std::vector<long>{102, 104}));
    EXPECT_EQ(readMember(102), members[1]);
    EXPECT_EQ(readMember(104), members[3]);
    EXPECT_EQ(target.notices().texts(), std::vector<std::string>{});
}

TEST_F(MemberRestore, OverLongTextsAreCutToTheirColumnAndReadingGoesOn) {
    Facility facility;
    MemberData m = richMember(301, 1);
    m.first = "Maximilianusée-Ferdinand"; // longer than the column
    m.city = std::string(40, 'c');
    m.classes[0].category = std::string(35, 'k');
    addMember(m);
    MemberData next = richMember(302, 0);
    addMember(next);
    backup(file);
    {
        CDAOSmMem sm;
        sm.FindAllMembers(true);
        sm.DelAll();
        CDAOEnr enr;
        enr.OpenSet(true);
        enr.DelAll();
        CDAOProf prof;
        prof.OpenSet(true);
        prof.DelAll();
        CDAOCls cls;
        cls.FindClasses(0);
        cls.DelAll();
    }
    EXPECT_EQ(restore(file, 0, true), 2);
    const MemberData back = readMember(301);
    EXPECT_EQ(back.first, "Maximilianusé"); // 13 characters, the accent kept whole
    EXPECT_EQ(back.city, std::string(18, 'c'));
    ASSERT_EQ(back.classes.size(), 1u);
    EXPECT_EQ(back.classes[0].category, std::string(29, 'k'));
    EXPECT_EQ(back.classes[0].course, "KIN 101");
    EXPECT_EQ(readMember(302), next);
    EXPECT_EQ(facility.notices().texts(), std::vector<std::string>{});
}

TEST_F(MemberRestore, MemberWithoutCardIsReplacedNotDuplicated) {
    Facility facility;
    MemberData m = roster()[3]; // barcode 0
    addMember(m);
    backup(file);
    alter(104);
    EXPECT_EQ(restore(file, 0, false), 1);
    EXPECT_EQ(memberIds(), std::vector<long>{104});
    EXPECT_EQ(readMember(104), m);
    EXPECT_EQ(rows("Enrollments"), 1);
    EXPECT_EQ(rows("Profiles"), 1);
}

TEST_F(MemberRestore, ClosedStreamRestoresNothing) {
    Facility facility;
    std::ifstream closed;
    CDAOMem mem;
    EXPECT_EQ(mem.Restore(closed, '|', 0, false), 0);
    CDAOCls cls;
    EXPECT_EQ(cls.Restore(closed, '|', 1, false), 0);
    CDAOSmMem sm;
    EXPECT_EQ(sm.Restore(closed, '|', 1, false), 0);
    EXPECT_EQ(rows("Members"), 0);
}

TEST_F(MemberRestore, ClassRecordsOfALineRestoreOnTheirOwn) {
    Facility facility;
    addMember(richMember(401, 0));
    // Two class records as they follow the member fields, the second with
    // index 0 again, which the member then already uses.
    write(file, "0|Yoga|Hatha||2|1|0|0|0|Yoga|Vinyasa|B|1|0|0|0|\r\n");
    std::ifstream in(file);
    CDAOCls cls;
    EXPECT_EQ(cls.Restore(in, '|', 401, true), 2);
    const MemberData back = readMember(401);
    ASSERT_EQ(back.classes.size(), 2u);
    EXPECT_EQ(back.classes[0], (ClassData{0, "Yoga", "Hatha", "", 2, 1, 0, 0}));
    EXPECT_EQ(back.classes[1], (ClassData{1, "Yoga", "Vinyasa", "B", 1, 0, 0, 0}));
}

TEST_F(MemberRestore, RepeatedLineCountsAsStoredOnceRestored) {
    MemberData m = richMember(501, 1);
    {
        Facility source;
        addMember(m);
        backup(file);
    }
    std::string twice = readFile(file);
    std::string second = twice;
    second.replace(second.find("Zoë"), 4, "Zed");
    twice += second;
    write(file, twice);

    Facility target;
    EXPECT_EQ(restore(file, 0, true), 1); // the second line finds the member stored
    EXPECT_EQ(readMember(501), m);
    EXPECT_EQ(restore(file, 0, false), 2); // each line rewrites it; the last one wins
    m.first = "Zed";
    EXPECT_EQ(readMember(501), m);
    EXPECT_EQ(memberIds(), std::vector<long>{501});
    EXPECT_EQ(rows("Profiles"), 1);
    EXPECT_EQ(rows("Classes"), 1);
}
