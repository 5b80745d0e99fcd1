#include "vantoapi/vantoapi.h"

#include "db/daocls.h"
#include "db/daoenr.h"
#include "db/daomsg.h"
#include "db/daoprof.h"
#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

using vantora::test::Facility;
using vantora::test::FakeClock;

namespace {

vantora::test::MemberData Member(long id, long barcode, int classes) {
    vantora::test::MemberData m;
    m.id = id;
    m.barcode = barcode;
    m.first = "Noor";
    m.last = "Haddad";
    m.status = 1;
    m.enrollment = CEFOleDateTime(2026, 1, 5);
    m.expiration = CEFOleDateTime(2026, 5, 5);
    for (int i = 0; i < classes; ++i) {
        vantora::test::ClassData c;
        c.indx = static_cast<unsigned char>(i);
        c.category = "FIT";
        c.course = "FIT 101";
        c.section = "01";
        m.classes.push_back(c);
    }
    return m;
}

// Workouts, evaluations and body compositions of a member in one class.
void Record(const Facility& f, long id, int classIndx) {
    const std::string m = std::to_string(id), c = std::to_string(classIndx);
    f.exec("members.mdb", "INSERT INTO Workouts (MemberID, ClassIndx, CheckIn, CheckOut) VALUES (" +
                              m + ", " + c + ", 46100.3, 46100.35)");
    f.exec("members.mdb", "INSERT INTO Evaluations (MemberID, EvaluationID, ClassIndx) VALUES (" +
                              m + ", " + m + c + ", " + c + ")");
    f.exec("members.mdb", "INSERT INTO Circuit (EvaluationID) VALUES (" + m + c + ")");
    f.exec("members.mdb",
           "INSERT INTO BodyComps (MemberID, ClassIndx) VALUES (" + m + ", " + c + ")");
}

long long Recorded(const Facility& f, long id, int classIndx) {
    const std::string w =
        " WHERE MemberID = " + std::to_string(id) + " AND ClassIndx = " + std::to_string(classIndx);
    return f.count("members.mdb", "SELECT COUNT(*) FROM Workouts" + w) +
           f.count("members.mdb", "SELECT COUNT(*) FROM Evaluations" + w) +
           f.count("members.mdb", "SELECT COUNT(*) FROM BodyComps" + w);
}

} // namespace

TEST(MemberServices, MembersAndClassesAreFoundByTheirKeys) {
    Facility f;
    vantora::test::addMember(Member(10, 700010, 1));
    EXPECT_TRUE(IsMember(10, CDAOSmMem::idMember));
    EXPECT_TRUE(IsMember(700010, CDAOSmMem::idBarcode));
    EXPECT_FALSE(IsMember(11, CDAOSmMem::idMember));
    EXPECT_FALSE(IsMember(10, CDAOSmMem::idBarcode));

    // The new facility's catalog holds FIT / FIT 101 / 01.
    EXPECT_TRUE(IsCurrentClass("FIT", "FIT 101", "01"));
    EXPECT_TRUE(IsCurrentClass("FIT", "FIT 101", ""));
    EXPECT_TRUE(IsCurrentClass("FIT", "", ""));
    EXPECT_FALSE(IsCurrentClass("FIT", "FIT 101", "02"));
    EXPECT_FALSE(IsCurrentClass("FIT", "SWIM 100", "01"));
    EXPECT_FALSE(IsCurrentClass("", "FIT 101", "01"));
    EXPECT_EQ(0u, f.notices().count());
}

TEST(MemberServices, NewMemberStartsFromTheDefaults) {
    Facility f;
    FakeClock clock(2026, 10, 31, 15, 0, 0);
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE Defaults SET DefExpDate = 4, DefEnrollPer = 2, "
                                     "DefGrdStat = 1, DefReEvalBon = 2, DefOtherBon = 3, "
                                     "DefFlags = 128 + 32 + 4 + 64"));
    CDAOSmMem mem;
    CDAOEnr enr;
    CDAOProf prof;
    CDAOCls cls;
    CDAOMsg msg;
    mem.FirstName = "old";
    ASSERT_TRUE(ResetMember(&mem, &enr, &prof, &cls, &msg));
    EXPECT_EQ("", mem.FirstName);
    EXPECT_EQ(1, mem.MemberStatus);
    EXPECT_EQ("10/31/2026 00:00:00", enr.EnrollmentDate.DateTimeStrLongYear());
    EXPECT_EQ("02/28/2027 00:00:00", enr.ExpirationDate.DateTimeStrLongYear());
    EXPECT_EQ(2, enr.EnrollmentPeriod);
    EXPECT_EQ(1, enr.IncentiveClub);
    EXPECT_EQ(1, prof.Sex);
    EXPECT_EQ(0, prof.Employee);
    EXPECT_EQ(1, cls.GradeStatus);
    EXPECT_EQ(1, cls.OrientationBonus);
    EXPECT_EQ(2, cls.ReEvaluationBonus);
    EXPECT_EQ(3, cls.OtherBonus);

    // Without a defaults record the buffers stay as they were.
    ASSERT_TRUE(f.exec("center.mdb", "DELETE FROM Defaults"));
    mem.FirstName = "kept";
    EXPECT_FALSE(ResetMember(&mem, &enr, &prof, &cls, &msg));
    EXPECT_EQ("kept", mem.FirstName);
}

TEST(MemberServices, ClassesAreReplacedAndTheirDataMovedOrRemoved) {
    Facility f;
    vantora::test::addMember(Member(20, 700020, 2));
    Record(f, 20, 0);
    Record(f, 20, 1);
    ASSERT_TRUE(f.exec("members.mdb", "INSERT INTO Classes (MemberID, ClassIndx, Category) "
                                      "VALUES (20, 5, 'GOLF')"));
    UpdateClasses(20, "FIT", "FIT 101", "01", CDAODef::grdAudit, true, 1, 0, "", "", "",
                  CDAODef::grdGrade, false, 0, 0, "SWIM", "SWIM 110", "", CDAODef::grdGrade, false,
                  0, 2);
    // The two written slots, and the sixth class that the three slots do not reach.
    EXPECT_EQ(3, f.count("members.mdb", "SELECT COUNT(*) FROM Classes WHERE MemberID = 20"));
    EXPECT_EQ("GOLF", f.text("members.mdb", "SELECT Category FROM Classes WHERE ClassIndx = 5"));
    EXPECT_EQ("SWIM 110",
              f.text("members.mdb", "SELECT Course FROM Classes WHERE MemberID = 20 AND "
                                    "ClassIndx = 2"));
    EXPECT_EQ(2, f.count("members.mdb", "SELECT GradeStatus FROM Classes WHERE ClassIndx = 0"));

    UpdateClassIndex(20, 1, 99);
    EXPECT_EQ(0, Recorded(f, 20, 1));
    EXPECT_EQ(3, Recorded(f, 20, 99));

    EXPECT_TRUE(ReplaceClass(20, 0, "FIT", "FIT 201", "02", CDAODef::grdGrade, false, 0, 0, true));
    EXPECT_EQ(3, Recorded(f, 20, 0));
    EXPECT_TRUE(ReplaceClass(20, 2, "YOGA", "", "", CDAODef::grdGrade, false, 0, 0, false));
    EXPECT_EQ("YOGA", f.text("members.mdb", "SELECT Category FROM Classes WHERE ClassIndx = 2"));
    EXPECT_FALSE(ReplaceClass(20, 7, "FIT", "", "", CDAODef::grdGrade, false, 0, 0, true));

    DeleteClassData(20, 0);
    EXPECT_EQ(0, Recorded(f, 20, 0));
    EXPECT_EQ(0, f.count("members.mdb", "SELECT COUNT(*) FROM Circuit WHERE EvaluationID = 200"));
    EXPECT_EQ(3, Recorded(f, 20, 99));
}

TEST(MemberServices, EnrollmentAndStatusAreWrittenTogether) {
    Facility f;
    vantora::test::addMember(Member(30, 700030, 1));
    EXPECT_TRUE(
        UpdateEnrollment(30, CEFOleDateTime(2026, 9, 1), CEFOleDateTime(2026, 12, 31), 2, 1, 0));
    EXPECT_DOUBLE_EQ(
        double(CEFOleDateTime(2026, 12, 31)),
        f.number("members.mdb", "SELECT ExpirationDate FROM Enrollments WHERE MemberID = 30"));
    EXPECT_EQ(0, f.count("members.mdb", "SELECT MemberStatus FROM Members WHERE MemberID = 30"));
    EXPECT_EQ(1, f.count("members.mdb", "SELECT IncentiveClub FROM Enrollments"));
    EXPECT_FALSE(
        UpdateEnrollment(31, CEFOleDateTime(2026, 9, 1), CEFOleDateTime(2026, 12, 31), 2, 1, 1));
}

TEST(MemberServices, MessagesWaitForTheNextCheckIn) {
    Facility f;
    vantora::test::addMember(Member(40, 700040, 1));
    EXPECT_EQ(VANTOAPI_OK, vanto_apiPostMemberMessage("Your towel card is ready.", 40, false));
    EXPECT_EQ(VANTOAPI_OK, vanto_apiPostMemberMessage("Class moved to room 2.", 40, false));
    EXPECT_EQ(2, f.count("members.mdb", "SELECT COUNT(*) FROM Messages WHERE MemberID = 40"));
    EXPECT_EQ(VANTOAPI_OK, vanto_apiPostMemberMessage("Only this one.", 40, true));
    EXPECT_EQ("Only this one.", f.text("members.mdb", "SELECT Msg FROM Messages"));
    EXPECT_EQ(VANTOAPI_NOMEMBER, vanto_apiPostMemberMessage("Hello", 41, false));
    EXPECT_EQ(VANTOAPI_NOTEXT, vanto_apiPostMemberMessage("", 40, false));
    const std::string longText(500, 'x');
    EXPECT_EQ(VANTOAPI_OK, vanto_apiPostMemberMessage(longText, 40, true));
    EXPECT_GE(200u, f.text("members.mdb", "SELECT Msg FROM Messages").size());
    EXPECT_EQ(0u, f.notices().count());
}
