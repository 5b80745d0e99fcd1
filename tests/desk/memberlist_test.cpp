// Deleting a member, the member search with each kind of criterion, and the
// Members list's bulk changes with their question and failures.

#include "desk/core/memberbulkupdate.h"
#include "desk/core/memberdeletion.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/membersearch.h"
#include "desk/core/progress.h"

#include "db/daomem.h"
#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace vantora;
using namespace vantora::test;

namespace {

class CountingProgress : public CProgress {
public:
    void Start(const std::string& t, int n) override { text = t, count = n; }
    void Step() override { ++steps; }
    void Finish() override { finished = true; }
    std::string text;
    int count = 0, steps = 0;
    bool finished = false;
};

long Members(Facility& f, const std::string& table, long id) {
    return static_cast<long>(f.count("members.mdb", "SELECT count(*) FROM " + table +
                                                        " WHERE MemberID = " + std::to_string(id)));
}

TEST(MemberDeletion, ConfirmationCountsTheDataAndNothingIsLeftBehind) {
    Facility facility;
    addMember(richMember(3, 2));
    addMember(richMember(4, 1));
    facility.exec("members.mdb", "INSERT INTO Workouts (MemberID) VALUES (3), (3), (4)");
    facility.exec("members.mdb", "INSERT INTO Evaluations (EvaluationID, MemberID) VALUES "
                                 "(1, 3), (2, 4)");
    facility.exec("members.mdb", "INSERT INTO Circuit (EvaluationID) VALUES (1), (2)");
    facility.exec("members.mdb", "INSERT INTO EvalBodyComps (EvaluationID) VALUES (1), (2)");
    facility.exec("members.mdb", "INSERT INTO BodyComps (MemberID) VALUES (3)");
    facility.exec("members.mdb", "INSERT INTO Messages (MemberID, Msg) VALUES (3, 'x')");
    facility.exec("chkin.mdb", "INSERT INTO ChkIn (MemberID) VALUES (3)");

    CMemberDeletion del;
    EXPECT_FALSE(del.Find(99, ""));
    ASSERT_TRUE(del.Find(3, ""));
    EXPECT_EQ(del.Name(), "Zoë Á O'Brien-Núñez");
    EXPECT_EQ(del.Status(), "Current");
    EXPECT_EQ(del.Expiration(), "08/31/2026");
    EXPECT_EQ(del.DataLine(),
              "With the member go 2 workouts, 1 evaluation and 1 body composition.");
    ASSERT_TRUE(del.Delete());
    for (const char* table : {"Members", "Enrollments", "Profiles", "Classes", "Workouts",
                              "Evaluations", "BodyComps", "Messages"})
        EXPECT_EQ(Members(facility, table, 3), 0) << table;
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Circuit"), 1);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM EvalBodyComps"), 1);
    EXPECT_EQ(facility.count("chkin.mdb", "SELECT count(*) FROM ChkIn"), 0);
    EXPECT_EQ(Members(facility, "Workouts", 4), 1); // the other member keeps theirs
}

// A small facility whose members differ in one respect each.
class Search : public ::testing::Test {
protected:
    Facility facility;
    void SetUp() override {
        for (long id = 1; id <= 4; ++id) {
            MemberData m = richMember(id, id == 1 ? 0 : 1);
            m.first = id == 2 ? "Ola" : "Kari";
            m.last = id <= 2 ? "Berg" : "Dahl";
            m.status = id == 3 ? 0 : 1;
            m.sex = id % 2;
            m.employee = id == 4;
            m.signedRelease = id != 1;
            m.period = static_cast<unsigned char>(id % 4);
            m.incentive = id == 2;
            m.city = id == 3 ? "Bodø" : "Tromsø";
            m.state = id == 4 ? "NY" : "QC";
            m.zip = std::to_string(9000 + id);
            m.phone = "555-" + std::to_string(id);
            m.email = "m" + std::to_string(id) + "@example.org";
            m.physician = id == 1 ? "Dr. Ek" : "Dr. Ask";
            m.address = id == 2 ? "1 Sjøgata" : "2 Storgata";
            m.birthday = CEFOleDateTime(2026 - 20 * static_cast<int>(id), 1, 15, 0, 0, 0);
            m.enrollment = CEFOleDateTime(2026, static_cast<int>(id), 10, 9, 0, 0);
            m.expiration = CEFOleDateTime(2026, static_cast<int>(id) + 6, 10, 9, 0, 0);
            m.goals = id == 2 ? 4 | 32 : 4;
            m.medHistory = id == 3 ? 0x100000 : 0;
            if (id == 4)
                m.classes[0] = {0, "FIT", "FIT 101", "01", 0, 0, 0, 0};
            addMember(m);
        }
    }
    std::vector<long> Found(const CMemberFindValues& v) {
        CMemberSearchData data;
        EXPECT_TRUE(v.ToSearchData(data));
        std::vector<long> ids;
        if (auto set = CMemberSearch::Run(data)) {
            for (int i = set->CountSet(); i > 0; --i, set->Op(CDAOEFSet::opMoveNext))
                ids.push_back(set->MemberID);
            set->Op(CDAOEFSet::opClose);
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

TEST_F(Search, EachCriterionSelectsItsMembers) {
    using F = std::function<void(CMemberFindValues&)>;
    const struct {
        const char* name;
        F set;
        std::vector<long> ids;
    } cases[] = {
        {"member id", [](auto& v) { v.MemberID = 3; }, {3}},
        {"barcode", [](auto& v) { v.Barcode = 500002; }, {2}},
        {"first", [](auto& v) { v.FirstName = "Ola"; }, {2}},
        {"last", [](auto& v) { v.LastName = "Dahl"; }, {3, 4}},
        {"address", [](auto& v) { v.Address = "1 Sjøgata"; }, {2}},
        {"city", [](auto& v) { v.City = "Bodø"; }, {3}},
        {"state", [](auto& v) { v.State = "NY"; }, {4}},
        {"zip", [](auto& v) { v.Zip = "9001"; }, {1}},
        {"phone", [](auto& v) { v.Phone = "555-2"; }, {2}},
        {"email", [](auto& v) { v.Email = "m4@example.org"; }, {4}},
        {"physician", [](auto& v) { v.Physician = "Dr. Ek"; }, {1}},
        {"age", [](auto& v) { v.LowerAge = 30, v.UpperAge = 50; }, {2}},
        {"sex", [](auto& v) { v.Sex = 1; }, {1, 3}},
        {"status", [](auto& v) { v.MemberStatus = 0; }, {3}},
        {"employee", [](auto& v) { v.Employee = 1; }, {4}},
        {"release", [](auto& v) { v.SignedRelease = 0; }, {1}},
        {"period", [](auto& v) { v.EnrollmentPeriod = 2; }, {2}},
        {"incentive", [](auto& v) { v.IncentiveClub = 1; }, {2}},
        {"enrolled",
         [](auto& v) {
             v.EnrollmentFrom = CEFOleDateTime(2026, 3, 10, 23, 0, 0);
             v.EnrollmentTo = CEFOleDateTime(2026, 2, 1, 0, 0, 0);
         },
         {2, 3}},
        {"expires",
         [](auto& v) {
             v.ExpirationFrom = CEFOleDateTime(2026, 10, 10, 0, 0, 0);
             v.ExpirationTo = CEFOleDateTime(2026, 12, 31, 0, 0, 0);
         },
         {4}},
        {"class", [](auto& v) { v.Category = "FIT"; }, {4}},
        {"goals", [](auto& v) { v.Goals = 4 | 32; }, {2}},
        {"medical", [](auto& v) { v.MedHistory = 0x100000; }, {3}},
        {"none", [](auto& v) { v.FirstName = "Nobody"; }, {}},
    };
    for (const auto& c : cases) {
        CMemberFindValues v;
        c.set(v);
        EXPECT_EQ(Found(v), c.ids) << c.name;
    }
    EXPECT_EQ(facility.notices().last(), CMemberSearch::MsgNone);
}

TEST_F(Search, HalfADateRangeIsRefused) {
    CMemberFindValues v;
    v.ExpirationTo = CEFOleDateTime(2026, 1, 1, 0, 0, 0);
    CMemberSearchData data;
    int focus = -1;
    EXPECT_FALSE(v.ToSearchData(data, &focus));
    EXPECT_EQ(facility.notices().last(), CMemberFindValues::MsgExpirationRange);
    EXPECT_EQ(focus, 1);
}

TEST_F(Search, ListShowsRowsWithImagesAndTitle) {
    CMemberFindValues v;
    v.Category = "FIT";
    CMemberSearchData data;
    v.ToSearchData(data);
    auto set = CMemberSearch::Run(data);
    ASSERT_TRUE(set);
    const std::string title = CMemberListDoc::SearchTitle(*set, 1);
    CMemberListDoc list(std::move(set), title);
    EXPECT_EQ(list.Title(), "Member ID 4");
    EXPECT_TRUE(list.ByClass());
    ASSERT_EQ(list.Rows().size(), 1u);
    EXPECT_EQ(list.Rows()[0].name, "Dahl, Kari Á");
    EXPECT_EQ(list.Rows()[0].image, CMemberListDoc::imgPastOrExpired); // expired in October
}

// Bulk changes over all members of a facility of `n`.
class Bulk : public ::testing::Test {
protected:
    Facility facility;
    std::unique_ptr<CMemberListDoc> List(int n, bool byClass) {
        for (long id = 1; id <= n; ++id) {
            MemberData m = richMember(id, 0);
            m.classes = {{0, "FIT", "FIT 101", "01", 0, 0, 0, 0}};
            addMember(m);
        }
        CMemberFindValues v;
        if (byClass)
            v.Category = "FIT";
        CMemberSearchData data;
        v.ToSearchData(data);
        return std::make_unique<CMemberListDoc>(CMemberSearch::Run(data));
    }
};

TEST_F(Bulk, FifteenRowsRunWithoutAskingAndReportTheOneFailure) {
    auto list = List(15, false);
    facility.exec("members.mdb", "CREATE TRIGGER refuse BEFORE INSERT ON Messages "
                                 "WHEN NEW.MemberID = 7 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    ASSERT_TRUE(CMemberBulkUpdate::Confirm(static_cast<int>(list->Rows().size())));
    EXPECT_EQ(facility.notices().count(), 0u);
    CountingProgress progress;
    EXPECT_EQ(CMemberBulkUpdate::PostMessage(list->Rows(), "Bring a towel", false, progress), 1);
    EXPECT_EQ(facility.notices().last(), "Failed to post message for Member ID 7");
    EXPECT_EQ(progress.text, "Posting messages, please wait...");
    EXPECT_EQ(progress.steps, 15);
    EXPECT_TRUE(progress.finished);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Messages"), 14);
}

TEST_F(Bulk, SixteenRowsAskFirst) {
    auto list = List(16, false);
    facility.notices().answer(notice::Answer::No);
    EXPECT_FALSE(CMemberBulkUpdate::Confirm(static_cast<int>(list->Rows().size())));
    EXPECT_EQ(facility.notices().last(), CMemberBulkUpdate::MsgConfirm);
}

TEST_F(Bulk, EnrollmentAndClassUpdatesGoOnPastAFailingMember) {
    auto list = List(16, true);
    facility.exec("members.mdb", "CREATE TRIGGER refuse BEFORE UPDATE ON Enrollments "
                                 "WHEN NEW.MemberID = 9 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    CMemberBulkUpdate::EnrollValues e = CMemberBulkUpdate::InitialEnroll();
    e.expiration = CEFOleDateTime(2030, 1, 1, 0, 0, 0);
    e.status = 0;
    EXPECT_EQ(CMemberBulkUpdate::UpdateEnroll(list->Rows(), e, CProgress::None()), 1);
    EXPECT_EQ(facility.notices().last(), "Failed to update enrollment for Member ID 9");
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Members WHERE MemberStatus = 0"),
              15);

    CMemberBulkUpdate::ClassValues c = CMemberBulkUpdate::InitialClass();
    c.category = "FIT";
    c.categoryId = 1;
    c.course = "FIT 102";
    std::vector<long> changed;
    list->Requery();
    EXPECT_EQ(CMemberBulkUpdate::UpdateClass(list->Rows(), c, CProgress::None(),
                                             [&](long id) { changed.push_back(id); }),
              0);
    EXPECT_EQ(changed.size(), 16u);
    EXPECT_EQ(
        facility.count("members.mdb", "SELECT count(*) FROM Classes WHERE Course = 'FIT 102'"), 16);
}

TEST(BulkChecks, DialogValuesAreChecked) {
    Facility facility;
    CMemberBulkUpdate::ClassValues c;
    c.category = "FIT"; // typed, not chosen from the catalog
    EXPECT_FALSE(CMemberBulkUpdate::CheckClass(c));
    EXPECT_EQ(facility.notices().last(), CMemberBulkUpdate::MsgNoCategory);
    CMemberBulkUpdate::EnrollValues e;
    e.enrollment = CEFOleDateTime(2026, 5, 2, 0, 0, 0);
    e.expiration = CEFOleDateTime(2026, 5, 1, 0, 0, 0);
    EXPECT_FALSE(CMemberBulkUpdate::CheckEnroll(e));
    EXPECT_EQ(facility.notices().last(), CMemberBulkUpdate::MsgExpiration);
}

} // namespace
