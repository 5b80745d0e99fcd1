// Members' classes and the category/course/section catalog: lookups, walks,
// counts, texts, free class indexes, new catalog ids and the defaults record.

#include "db/daocat.h"
#include "db/daocls.h"
#include "db/daocour.h"
#include "db/daodef.h"
#include "db/daosec.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantora::test;

namespace {

void addClass(long member, unsigned char indx, const char* cat, const char* cour, const char* sec) {
    CDAOCls c;
    c.FindClasses(member, indx);
    c.Op(CDAOEFSet::opAddNew);
    c.MemberID = member;
    c.ClassIndx = indx;
    c.Category = cat;
    c.Course = cour;
    c.Section = sec;
    c.Op(CDAOEFSet::opUpdate);
}

class Classes : public ::testing::Test {
protected:
    void SetUp() override {
        addClass(1, 0, "Kinesiology", "KIN 101", "A");
        addClass(1, 3, "Kinesiology", "KIN 101", "B");
        addClass(1, 1, "Athletics", "", "");
        addClass(2, 0, "Kinesiology", "KIN 202", "A");
        addClass(2, 1, "", "", "");
        addClass(3, 0, "kinesiology", "KIN 101", "A");
    }
    void TearDown() override { EXPECT_EQ(facility.notices().texts(), std::vector<std::string>{}); }
    Facility facility;
};

} // namespace

TEST_F(Classes, FindByMemberIsOrderedByIndex) {
    CDAOCls c;
    ASSERT_EQ(c.FindClasses(1), 3);
    std::vector<int> indexes;
    while (!c.IsEOF()) {
        indexes.push_back(c.ClassIndx);
        c.Op(CDAOEFSet::opMoveNext);
    }
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(c.FindClasses(0), 6);
    EXPECT_EQ(c.MemberID, 1);
    EXPECT_EQ(c.FindClasses(1, static_cast<unsigned char>(3)), 1);
    EXPECT_EQ(c.Section, "B");
    EXPECT_EQ(c.FindClasses(1, static_cast<unsigned char>(2)), 0);
    EXPECT_EQ(c.FindClasses(9), 0);
}

TEST_F(Classes, FindByTextsLeavesOutEmptyParts) {
    CDAOCls c;
    EXPECT_EQ(c.FindClasses(1, "Kinesiology", "", ""), 2);
    EXPECT_EQ(c.FindClasses(1, "Kinesiology", "KIN 101", "B"), 1);
    // Text conditions ignore case, as the stores always have: member 3's
    // "kinesiology" counts.
    EXPECT_EQ(c.FindClasses(0, "Kinesiology", "", "A"), 3);
    EXPECT_EQ(c.FindClasses(0, "Kinesiology", "KIN 101", ""), 3);
    EXPECT_EQ(c.FindClasses(0, "Kinesiology", "KIN 202", ""), 1);
    // No category: no class condition, every class (of the member).
    EXPECT_EQ(c.FindClasses(0, "", "x", "y"), 6);
    EXPECT_EQ(c.FindClasses(2, "", "KIN 202", ""), 2);
    EXPECT_EQ(c.FindClasses(0, nullptr, nullptr, nullptr), 6);
}

TEST_F(Classes, IsClassRecordNeedsAllThreeTextsExactly) {
    CDAOCls c;
    c.FindClasses(1, "Kinesiology", "", "");
    EXPECT_TRUE(c.IsClassRecord("Kinesiology", "KIN 101", "B"));
    EXPECT_EQ(c.ClassIndx, 3);
    EXPECT_FALSE(c.IsClassRecord("Kinesiology", "KIN 101", ""));
    EXPECT_FALSE(c.IsClassRecord("kinesiology", "KIN 101", "A"));
    c.FindClasses(0);
    EXPECT_FALSE(c.IsClassRecord("", "", "")); // even though member 2 has such a class
    EXPECT_TRUE(c.IsClassRecord("Athletics", "", ""));
    EXPECT_EQ(c.MemberID, 1);

    c.FindClasses(2);
    EXPECT_TRUE(c.IsClassRecord(static_cast<unsigned char>(1)));
    EXPECT_EQ(c.Category, "");
    EXPECT_FALSE(c.IsClassRecord(static_cast<unsigned char>(3)));

    c.FindClasses(0);
    EXPECT_TRUE(c.IsMemberRecord(3));
    EXPECT_EQ(c.Category, "kinesiology");
    EXPECT_FALSE(c.IsMemberRecord(4));
}

TEST_F(Classes, CountClassComparesLeadingTexts) {
    CDAOCls c;
    c.FindClasses(0);
    EXPECT_EQ(c.CountClass("Kinesiology"), 3);
    EXPECT_EQ(c.CountClass("Kinesiology", "KIN 101"), 2);
    EXPECT_EQ(c.CountClass("Kinesiology", "KIN 101", "A"), 1);
    EXPECT_EQ(c.CountClass("Kinesiology", "KIN 999"), 0);
    EXPECT_EQ(c.CountClass(""), 0); // even with a class without category
    EXPECT_TRUE(c.IsEOF());
}

TEST_F(Classes, ClassStringJoinsTheTextsGiven) {
    CDAOCls c;
    std::string out;
    c.FindClasses(1, static_cast<unsigned char>(3));
    EXPECT_EQ(c.BuildClassString(out), 1);
    EXPECT_EQ(out, "Kinesiology KIN 101 B");
    c.Category = "Cat";
    c.Course = "";
    c.Section = "Sec";
    c.BuildClassString(out);
    EXPECT_EQ(out, "Cat Sec");
    c.Course = "Cour";
    c.Section = "";
    c.BuildClassString(out);
    EXPECT_EQ(out, "Cat Cour ");
    c.Category = c.Course = "";
    EXPECT_EQ(c.BuildClassString(out), 0);
    EXPECT_EQ(out, "");
}

TEST_F(Classes, ClassIndexTexts) {
    std::string out = "x";
    EXPECT_EQ(CDAOCls::GetClassIndexString(99, out), 1);
    EXPECT_EQ(out, "- Unknown -");
    EXPECT_EQ(CDAOCls::GetClassIndexString(101, out), 1);
    EXPECT_EQ(out, "- All Classes -");
    EXPECT_EQ(CDAOCls::GetClassIndexString(0, out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(CDAOCls::GetClassIndexString(100, out), 0);
}

TEST_F(Classes, GenerateIndexFillsTheFirstGap) {
    CDAOCls c;
    EXPECT_EQ(c.GenerateIndex(1, 2), 2); // free: taken as it is
    EXPECT_EQ(c.GenerateIndex(1, 3), 2); // classes 0, 1, 3: the gap at 2
    EXPECT_EQ(c.GenerateIndex(2, 1), 2); // classes 0, 1
    EXPECT_EQ(c.GenerateIndex(9, 40), 40);
    addClass(4, 0, "A", "", "");
    addClass(4, 1, "B", "", "");
    addClass(4, 2, "C", "", "");
    EXPECT_EQ(c.GenerateIndex(4, 0), 3);
}

TEST_F(Classes, GenerateIndexFallsBackToTheUnassignedClass) {
    for (int k = 0; k < 99; ++k)
        addClass(5, static_cast<unsigned char>(k), "Full", std::to_string(k).c_str(), "");
    CDAOCls c;
    EXPECT_EQ(c.GenerateIndex(5, 7), 99);
    EXPECT_EQ(c.GenerateIndex(5, 99), 99);
}

TEST(Catalog, CategoriesCoursesAndSections) {
    Facility facility;
    CDAOCat cat;
    const int before = cat.FindCategories(0L);
    auto addCat = [](long id, const char* name) {
        CDAOCat c;
        c.FindCategories(id);
        c.Op(CDAOEFSet::opAddNew);
        c.CatID = id;
        c.Cat = name;
        c.Op(CDAOEFSet::opUpdate);
    };
    addCat(9001, "Zumba");
    addCat(9002, "Aerobics");
    EXPECT_EQ(cat.FindCategories(0L), before + 2);
    EXPECT_EQ(cat.FindCategories(9001L), 1);
    EXPECT_EQ(cat.Cat, "Zumba");
    EXPECT_EQ(cat.FindCategories("Aerobics"), 1);
    EXPECT_EQ(cat.CatID, 9002);
    EXPECT_EQ(cat.FindCategories("aerobics"), 1);
    EXPECT_EQ(cat.FindCategories("Aerobic"), 0);

    auto addCour = [](long id, long catId, const char* name) {
        CDAOCour c;
        c.FindCourses(0, id);
        c.Op(CDAOEFSet::opAddNew);
        c.CourID = id;
        c.CatID = catId;
        c.Cour = name;
        c.Op(CDAOEFSet::opUpdate);
    };
    addCour(8001, 9001, "Zumba II");
    addCour(8002, 9001, "Zumba I");
    addCour(8003, 9002, "Step");
    CDAOCour cour;
    EXPECT_EQ(cour.FindCourses(9001, 0L), 2);
    EXPECT_EQ(cour.Cour, "Zumba I"); // by name
    EXPECT_EQ(cour.FindCourses(9001, 8003), 0);
    EXPECT_EQ(cour.FindCourses(9002, 8003), 1);
    EXPECT_EQ(cour.FindCourses(0, 8001), 1);
    EXPECT_EQ(cour.Cour, "Zumba II");
    // Neither id: the previous filter stays.
    EXPECT_EQ(cour.FindCourses(0, 0L), 1);
    CDAOCour fresh;
    EXPECT_GE(fresh.FindCourses(0, 0L), 3);
    EXPECT_EQ(cour.FindCourses(9001, "Zumba I"), 1);
    EXPECT_EQ(cour.CourID, 8002);
    EXPECT_EQ(cour.FindCourses(9002, "Zumba I"), 0);

    for (const char* name : {"Tue", "Mon"}) {
        CDAOSec s;
        s.FindSections(8001);
        s.Op(CDAOEFSet::opAddNew);
        s.CourID = 8001;
        s.Sec = name;
        s.Op(CDAOEFSet::opUpdate);
    }
    CDAOSec sec;
    EXPECT_EQ(sec.FindSections(8001), 2);
    EXPECT_EQ(sec.Sec, "Mon");
    EXPECT_EQ(sec.FindSections(8001, "Tue"), 1);
    EXPECT_EQ(sec.FindSections(8002, "Tue"), 0);
}

TEST(Catalog, NewIdsAreUnusedNonZeroAndNotExcluded) {
    Facility facility;
    CDAOCat cat;
    CDAOCour cour;
    std::set<long> seen;
    for (int i = 0; i < 5; ++i) {
        const long id = cat.GenerateIDNum(seen.empty() ? -1 : *seen.begin());
        EXPECT_GT(id, 0);
        EXPECT_LE(id, 32767);
        CDAOCat check;
        EXPECT_EQ(check.FindCategories(id), 0);
        CDAOCat add;
        add.FindCategories(id);
        add.Op(CDAOEFSet::opAddNew);
        add.CatID = id;
        add.Cat = "C" + std::to_string(i);
        add.Op(CDAOEFSet::opUpdate);
        EXPECT_TRUE(seen.insert(id).second);
    }
    const long c = cour.GenerateIDNum(123);
    EXPECT_NE(c, 123);
    EXPECT_GT(c, 0);
    CDAOCour check;
    EXPECT_EQ(check.FindCourses(0, c), 0);
}

TEST(Defaults, FlagsAndTexts) {
    Facility facility;
    CDAODef def;
    ASSERT_EQ(def.OpenSet(true), 1);
    def.Op(CDAOEFSet::opEdit);
    def.DefFlags = 0;
    def.SetDefFlag(CDAODef::defSex | CDAODef::defThreeDigits);
    def.ClrDefFlag(CDAODef::defSex);
    def.Op(CDAOEFSet::opUpdate);
    CDAODef again;
    again.OpenSet(true);
    EXPECT_EQ(again.DefFlags, CDAODef::defThreeDigits);
    EXPECT_TRUE(again.GetDefFlag(CDAODef::defThreeDigits | CDAODef::defSex));
    EXPECT_FALSE(again.GetDefFlag(CDAODef::defSex));

    EXPECT_EQ(CDAODef::GetEnrPerStr(0), "Spring");
    EXPECT_EQ(CDAODef::GetEnrPerStr(3), "Winter");
    EXPECT_EQ(CDAODef::GetEnrPerStr(4), "");
    EXPECT_EQ(CDAODef::GetGrdStatStr(1), "Pass/Fail");
    EXPECT_EQ(CDAODef::GetGrdStatStr(4), "No Credit");
    EXPECT_EQ(CDAODef::GetGrdStatStr(5), "");
}
