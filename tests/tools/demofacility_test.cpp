// The demo and large facilities: what they hold, that the record sets read
// it, that its values lie in the ranges the editing pages accept, and that
// the same day always gives the same facility.

#include "tools/demofacility.h"

#include "db/daobodycomp.h"
#include "db/daocat.h"
#include "db/daocenter.h"
#include "db/daochkin.h"
#include "db/daocls.h"
#include "db/daocour.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daomsg.h"
#include "db/daosec.h"
#include "db/daosmeval.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "db/schema.h"

#include "facilityexport.h"
#include "support/faultydisk.h"
#include "support/testsupport.h"
#include "util/text.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>

using namespace vantora::test;
using vantora::tools::DemoSummary;

namespace {

// One demo facility for the whole suite: generating it is the slow part.
class DemoFacility : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        clock_ = std::make_unique<FakeClock>(2026, 10, 14, 17, 30, 0);
        dir_ = std::make_unique<TempDir>();
        summary_ = std::make_unique<DemoSummary>();
        Notices notices;
        error_ = vantora::tools::createDemoFacility(dir_->file("demo"), {}, {}, summary_.get());
        notices_ = notices->texts();
    }
    static void TearDownTestSuite() {
        dir_.reset();
        clock_.reset();
        summary_.reset();
    }
    void SetUp() override {
        ASSERT_EQ(error_, "");
        ASSERT_TRUE(notices_.empty()) << notices_.front();
    }

    std::string folder() const { return dir_->file("demo"); }
    const DemoSummary& summary() const { return *summary_; }

    static std::unique_ptr<FakeClock> clock_;
    static std::unique_ptr<TempDir> dir_;
    static std::unique_ptr<DemoSummary> summary_;
    static std::string error_;
    static std::vector<std::string> notices_;
    Notices notices;
};

std::unique_ptr<FakeClock> DemoFacility::clock_;
std::unique_ptr<TempDir> DemoFacility::dir_;
std::unique_ptr<DemoSummary> DemoFacility::summary_;
std::string DemoFacility::error_;
std::vector<std::string> DemoFacility::notices_;

bool In(double v, double lo, double hi) {
    return v >= lo && v <= hi;
}

} // namespace

TEST_F(DemoFacility, HoldsAFewHundredMembersWithTheirRecords) {
    const DemoSummary& s = summary();
    EXPECT_EQ(s.members, 300);
    EXPECT_GT(s.classes, 300);
    EXPECT_GT(s.workouts, 3000);
    EXPECT_GT(s.evaluations, 80);
    EXPECT_GT(s.bodyComps, 80);
    EXPECT_EQ(s.checkIns, 6);
    EXPECT_EQ(s.messages, 5);

    FacilityStores g(folder());
    CDAOMem mem;
    EXPECT_EQ(mem.FindAllMembers(true), 300);
    CDAOSmMem sm;
    EXPECT_GT(sm.FindAllMembersByStatus(0, true), 10); // past members too
    CDAOWk wk;
    EXPECT_EQ(wk.FindWks(0), s.workouts);
    CDAOEval ev;
    EXPECT_EQ(ev.FindEvals(CDAOSmEval::idMember, 0), s.evaluations);
    CDAOBodyComp bc;
    EXPECT_EQ(bc.FindBodyComps(0), s.bodyComps);
    CDAOChkIn ci;
    EXPECT_EQ(ci.FindChkIns(), 6);
    for (; !ci.IsEOF(); ci.Op(CDAOEFSet::opMoveNext)) {
        EXPECT_NE(sm.FindMember(CDAOSmMem::idMember, ci.MemberID), 0);
        EXPECT_EQ(sm.MemberStatus, 1);
        EXPECT_EQ(sm.Barcode, ci.Barcode);
        EXPECT_LT(ci.CheckIn.m_dt, CEFOleDateTime(2026, 10, 14, 17, 30, 0).m_dt);
        // Checked in now, so no visit of theirs has ended today.
        CEFOleDateTime from(2026, 10, 14), to(2026, 10, 14);
        EXPECT_EQ(wk.FindWks(ci.MemberID, from, to, CDAOWk::okAll), 0);
    }
    CDAOMsg msg;
    long messages = 0;
    for (mem.FindAllMembers(true); !mem.IsEOF(); mem.Op(CDAOEFSet::opMoveNext))
        messages += msg.FindMessages(mem.MemberID);
    EXPECT_EQ(messages, 5);
    EXPECT_TRUE(notices->texts().empty());
}

TEST_F(DemoFacility, MembersAreVariedAndPlausible) {
    FacilityStores g(folder());
    CDAOMem mem;
    ASSERT_EQ(mem.FindAllMembers(true), 300);
    std::set<std::string> lastNames;
    int men = 0, noCard = 0, employees = 0, withGoals = 0, withHistory = 0, expired = 0;
    const CEFOleDateTime today(2026, 10, 14);
    for (; !mem.IsEOF(); mem.Op(CDAOEFSet::opMoveNext)) {
        lastNames.insert(mem.LastName);
        EXPECT_FALSE(mem.FirstName.empty());
        EXPECT_NE(mem.Email.find('@'), std::string::npos) << mem.Email;
        const double age = (today.m_dt - mem.Birthday.m_dt) / 365.25;
        EXPECT_TRUE(In(age, 18, 78)) << mem.MemberID << " is " << age;
        EXPECT_LT(mem.EnrollmentDate.m_dt, mem.ExpirationDate.m_dt);
        EXPECT_LE(mem.EnrollmentDate.m_dt, today.m_dt + 1);
        men += mem.Sex != 0;
        noCard += mem.Barcode == 0;
        employees += mem.Employee != 0;
        withGoals += mem.Goals != 0;
        withHistory += mem.MedHistory != 0;
        expired += mem.MemberStatus != 0 && mem.ExpirationDate.m_dt < today.m_dt;
    }
    EXPECT_GT(lastNames.size(), 50u);
    EXPECT_TRUE(In(men, 110, 190));
    EXPECT_TRUE(In(noCard, 1, 20));
    EXPECT_GT(employees, 20);
    EXPECT_EQ(withGoals, 300);
    EXPECT_GT(withHistory, 50);
    EXPECT_GT(expired, 2);
}

TEST_F(DemoFacility, ClassesComeFromTheCatalog) {
    FacilityStores g(folder());
    CDAOCls cls;
    ASSERT_GT(cls.FindClasses(0), 0);
    CDAOCat cat;
    CDAOCour cour;
    CDAOSec sec;
    std::set<std::string> seen;
    for (; !cls.IsEOF(); cls.Op(CDAOEFSet::opMoveNext)) {
        ASSERT_EQ(cat.FindCategories(cls.Category.c_str()), 1) << cls.Category;
        ASSERT_EQ(cour.FindCourses(cat.CatID, cls.Course.c_str()), 1) << cls.Course;
        if (!cls.Section.empty()) {
            EXPECT_EQ(sec.FindSections(cour.CourID, cls.Section.c_str()), 1) << cls.Section;
        }
        EXPECT_LT(cls.ClassIndx, 3);
        EXPECT_LE(cls.GradeStatus, 4);
        seen.insert(cls.Category + " " + cls.Course);
    }
    EXPECT_GE(seen.size(), 5u);
}

TEST_F(DemoFacility, WorkoutsFollowTheFacilityRule) {
    FacilityStores g(folder());
    CDAOCenter center;
    ASSERT_EQ(center.OpenSet(true), 1);
    CDAOCls cls;
    CDAOWk wk;
    ASSERT_GT(wk.FindAllWks(), 0);
    int notOk = 0, unfinished = 0, twiceADay = 0;
    std::map<std::pair<long, long>, int> visitsPerDay;
    const double first = CEFOleDateTime(2026, 10, 14).m_dt - 15 * 7;
    for (; !wk.IsEOF(); wk.Op(CDAOEFSet::opMoveNext)) {
        EXPECT_EQ(wk.WorkoutOK != 0, center.VerifyWk(wk.GetStnVal(0), wk.CheckIn, wk.CheckOut));
        notOk += wk.WorkoutOK == 0;
        unfinished += wk.CheckIn.m_dt == wk.CheckOut.m_dt;
        EXPECT_GE(wk.CheckOut.m_dt, wk.CheckIn.m_dt);
        EXPECT_TRUE(In(wk.CheckIn.m_dt, first, CEFOleDateTime(2026, 10, 14, 17, 30, 0).m_dt));
        EXPECT_TRUE(In(wk.TotalMinutes(), 0, 120));
        for (int i = 0; i < CDAOWk::StationCount; ++i)
            EXPECT_TRUE(In(wk.GetStnVal(i), 0, 99));
        if (wk.ClassIndx != 99) {
            EXPECT_EQ(cls.FindClasses(wk.MemberID, wk.ClassIndx), 1);
        }
        if (++visitsPerDay[{wk.MemberID, static_cast<long>(wk.CheckIn.m_dt)}] == 2)
            ++twiceADay;
    }
    EXPECT_GT(notOk, 50);
    EXPECT_GT(unfinished, 10);
    EXPECT_GT(twiceADay, 10);
    // Some members worked out today already.
    CEFOleDateTime from(2026, 10, 14), to(2026, 10, 14);
    EXPECT_GT(wk.FindWks(0, from, to, CDAOWk::okAll), 0);
}

TEST_F(DemoFacility, EvaluationsLieInTheRangesTheEditingPagesAccept) {
    FacilityStores g(folder());
    CDAOEval ev;
    ASSERT_GT(ev.FindEvals(CDAOSmEval::idMember, 0), 0);
    std::set<long> ids;
    int reEvaluated = 0, sevenSites = 0;
    std::map<long, int> perMember;
    for (; !ev.IsEOF(); ev.Op(CDAOEFSet::opMoveNext)) {
        ids.insert(ev.EvaluationID);
        if (++perMember[ev.MemberID] == 2)
            ++reEvaluated;
        EXPECT_TRUE(In(ev.Height, 58, 78));
        EXPECT_TRUE(In(ev.Weight, 80, 360));
        EXPECT_LE(ev.ActivityLevel, 4);
        EXPECT_TRUE(In(ev.RestingHR, 40, 110));
        EXPECT_TRUE(In(ev.RestingBPSystolic, 90, 180));
        EXPECT_TRUE(In(ev.RestingBPDiastolic, 50, 110));
        EXPECT_LT(ev.RestingBPDiastolic, ev.RestingBPSystolic);
        EXPECT_TRUE(In(ev.TrunkFlex, 0, 31));
        EXPECT_TRUE(In(ev.SitUp, 0, 99));
        EXPECT_TRUE(In(ev.Ab, 0, 99));
        EXPECT_TRUE(In(ev.Step, 0, 200));
        EXPECT_TRUE(In(ev.Run, 0, 60 * 60));
        EXPECT_TRUE(In(ev.PulseRecovery, 0, 99));
        EXPECT_TRUE(In(ev.FatPercent, 3, 60)) << ev.FatPercent;
        for (double fold : {ev.AbSkinFold, ev.ThighSkinFold})
            EXPECT_TRUE(In(fold, 0, 70));
        for (double fold : {ev.ChestSkinFold, ev.TricepSkinFold, ev.SupraSkinFold, ev.MidaxSkinFold,
                            ev.SubscapSkinFold})
            EXPECT_TRUE(In(fold, 0, 51));
        sevenSites += ev.MidaxSkinFold > 0;
        int done = 0;
        for (int i = 0; i < CDAOEval::StationCount; ++i) {
            EXPECT_TRUE(In(ev.GetStnVal(i), 0, 300)) << i;
            done += ev.GetStnVal(i) > 0;
        }
        EXPECT_GT(done, 10);
    }
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(summary().evaluations));
    EXPECT_EQ(*ids.rbegin(), summary().evaluations); // ids 1, 2, ...
    EXPECT_GT(reEvaluated, 10);
    EXPECT_GT(sevenSites, 10);
}

TEST_F(DemoFacility, BodyCompositionsUseEveryMethodAndUnit) {
    FacilityStores g(folder());
    CDAOBodyComp bc;
    ASSERT_GT(bc.FindBodyComps(0), 0);
    std::map<int, int> methods;
    long flagsSeen = 0;
    for (; !bc.IsEOF(); bc.Op(CDAOEFSet::opMoveNext)) {
        ++methods[bc.Method];
        flagsSeen |= bc.Flags;
        EXPECT_TRUE(In(bc.ConvertHeight(), 58, 78));
        EXPECT_TRUE(In(bc.ConvertWeight(), 80, 360));
        EXPECT_TRUE(In(bc.ConvertWaist(), 20, 60));
        EXPECT_TRUE(In(bc.ConvertHip(), 25, 65));
        EXPECT_TRUE(In(bc.FatPercent, 3, 60)) << bc.FatPercent;
        EXPECT_LE(bc.ActivityLevel, 4);
        switch (bc.Method) {
        case CDAOBodyComp::methodBodyMeasurement:
            EXPECT_TRUE(In(bc.ConvertWrist(), 5, 9));
            break;
        case CDAOBodyComp::methodSkinFold:
            EXPECT_GE(bc.CountSkinFolds(), 3);
            EXPECT_TRUE(In(bc.ConvertSkinFold(bc.ThighSkinFold), 3, 70));
            EXPECT_TRUE(In(bc.ConvertSkinFold(bc.SubscapSkinFold), 0, 51));
            break;
        case CDAOBodyComp::methodHydrostatic:
            EXPECT_TRUE(In(bc.ConvertH2OTemp(), 85, 98));
            EXPECT_TRUE(In(bc.ConvertTareWeight(), 1, 20));
            EXPECT_GT(bc.ConvertWetWeight(), bc.ConvertTareWeight());
            break;
        default:
            EXPECT_EQ(bc.CountSkinFolds(), 0);
            break;
        }
    }
    for (int m = 0; m < 4; ++m)
        EXPECT_GT(methods[m], 10) << CDAOBodyComp::GetMethodStr(static_cast<unsigned char>(m));
    EXPECT_EQ(methods.size(), 4u);
    EXPECT_EQ(flagsSeen, 255); // metric entries, inches of skin fold, the Brozek formula
}

TEST_F(DemoFacility, TheSameDayGivesTheSameFacility) {
    TempDir dir;
    DemoSummary again;
    ASSERT_EQ(vantora::tools::createDemoFacility(dir.file("again"), {}, {}, &again), "");
    EXPECT_EQ(again.workouts, summary().workouts);
    const std::string first = ExportFacility(folder());
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(ExportFacility(dir.file("again")), first);
}

TEST_F(DemoFacility, AnExistingFacilityIsNotOverwritten) {
    const std::string error = vantora::tools::createDemoFacility(folder(), {}, {}, nullptr);
    EXPECT_EQ(error.rfind("Error: ", 0), 0u) << error;
    FacilityStores g(folder());
    CDAOSmMem sm;
    EXPECT_EQ(sm.FindAllMembers(true), 300);
}

TEST(LargeFacility, HoldsExactlyTheMembersAndWorkoutsAskedFor) {
    FakeClock clock(2026, 10, 14, 9, 0, 0);
    Notices notices;
    TempDir dir;
    vantora::tools::LargeOptions options;
    options.members = 150;
    options.workouts = 4000;
    DemoSummary s;
    ASSERT_EQ(vantora::tools::createLargeFacility(dir.file("large"), {}, options, &s), "");
    EXPECT_EQ(s.members, 150);
    EXPECT_EQ(s.workouts, 4000);
    FacilityStores g(dir.file("large"));
    CDAOMem mem;
    EXPECT_EQ(mem.FindAllMembers(true), 150);
    CDAOWk wk;
    EXPECT_EQ(wk.FindAllWks(), 4000);
    // Every member has workouts: 4000 / 150 is 26, the first 100 one more.
    EXPECT_EQ(wk.FindWks(10001), 27);
    EXPECT_EQ(wk.FindWks(10150), 26);
    EXPECT_TRUE(notices->texts().empty());
    // The workout indexes, left out while the rows went in, are all back.
    const auto* table = vantora::db::schema::findTable("Workouts");
    ASSERT_NE(table, nullptr);
    std::size_t indexes = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("large-facility-test"));
        db.setDatabaseName(QString::fromStdString(dir.file("large") + "/members.mdb"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Workouts'")));
        while (q.next())
            for (const auto& index : table->indexes)
                indexes += q.value(0).toString().toStdString() == index.name;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("large-facility-test"));
    EXPECT_EQ(indexes, table->indexes.size());

    options.members = 0;
    EXPECT_EQ(
        vantora::tools::createLargeFacility(dir.file("none"), {}, options, &s).rfind("Error: ", 0),
        0u);
}

TEST(DemoFacilityOnAFullDisk, FailsWithOneErrorAndLeavesNoFacility) {
    FakeClock clock(2026, 10, 14, 17, 30, 0);
    FaultyDisk disk;
    TempDir dir;
    // The writes a new, empty facility takes, so that the disk fills up
    // while the generator writes its rows.
    disk.FailWrite("members.mdb", 1000000);
    ASSERT_EQ(vantora::db::facility::create(dir.file("empty"), {}), "");
    const long creation = disk.Writes();
    disk.FailWrite("members.mdb", creation + 40);

    Notices notices;
    const std::string error = vantora::tools::createDemoFacility(dir.file("full"), {}, {}, nullptr);
    EXPECT_TRUE(disk.Tripped());
    EXPECT_EQ(error.rfind("Error: ", 0), 0u) << error;
    EXPECT_TRUE(notices->texts().empty()); // the error is the caller's to show
    for (const char* store : {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"})
        EXPECT_FALSE(std::filesystem::exists(dir.file("full") + "/" + store)) << store;

    disk.Heal();
    DemoSummary again;
    EXPECT_EQ(vantora::tools::createDemoFacility(dir.file("full"), {}, {}, &again), "");
    EXPECT_EQ(again.members, 300);
}

TEST(DemoOption, TheSetUpProgramCreatesTheDemoFacility) {
    TempDir dir;
    const std::string folder = dir.file("centre");
    auto run = [](const QStringList& arguments, std::string& out) {
        QProcess process;
        process.start(QStringLiteral(VANTORA_SETUP_PROGRAM), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        out = process.readAllStandardOutput().toStdString() +
              process.readAllStandardError().toStdString();
        return process.exitCode();
    };
    std::string out;
    ASSERT_EQ(run({QStringLiteral("--demo"), QStringLiteral("--name"),
                   QStringLiteral("Riverside Fitness"), QString::fromStdString(folder)},
                  out),
              0)
        << out;
    EXPECT_NE(out.find("with 300 members"), std::string::npos) << out;
    {
        Notices notices;
        FacilityStores g(folder);
        CDAOSmMem sm;
        EXPECT_EQ(sm.FindAllMembers(true), 300);
        CDAOCenter center;
        ASSERT_EQ(center.OpenSet(true), 1);
        EXPECT_EQ(center.Name, "Riverside Fitness");
    }

    EXPECT_EQ(run({QStringLiteral("--demo"), QString::fromStdString(folder)}, out), 1);
    EXPECT_EQ(out.rfind("Error: ", 0), 0u) << out;
    EXPECT_EQ(run({QStringLiteral("--demo"), QStringLiteral("--large"),
                   QString::fromStdString(dir.file("other"))},
                  out),
              1);
    EXPECT_EQ(out, "Error: choose either --demo or --large\n");
}
