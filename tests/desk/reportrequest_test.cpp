#include "desk/core/deskdocument.h"
#include "desk/core/memberidcheck.h"
#include "desk/core/reportrequest.h"

#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

using vantora::test::ClassData;
using vantora::test::Facility;
using vantora::test::FakeClock;
using vantora::test::MemberData;

namespace {

// Answers every dialog from preset values; a false answer is a cancel.
class ScriptedDialogs : public CReportDialogs {
public:
    bool answer = true;
    long memberId = 0;
    CReportOptions options;
    std::string category = "FIT", course = "FIT 101", section = "01";
    CEFOleDateTime date{2026, 12, 3, 10, 30, 0};
    int classRow = -2; // -2: keep the preset
    int first = 0, second = 1;
    int presetSeen = -1;

    bool MemberId(long& id) override { return id = memberId, answer; }
    bool ShortOptions(CReportOptions& o) override { return o = options, answer; }
    bool LongOptions(CReportOptions& o) override { return o = options, answer; }
    bool ClassSelection(std::string& c, std::string& co, std::string& s) override {
        c = category, co = course, s = section;
        return answer;
    }
    bool Date(CEFOleDateTime& d) override { return d = date, answer; }
    bool MemberClass(const CMemberClassChoice&, int& row) override {
        presetSeen = row;
        if (classRow != -2)
            row = classRow;
        return answer;
    }
    bool Comparison(const CComparisonChoice&, const std::vector<CEFOleDateTime>&, int& f,
                    int& s) override {
        f = first, s = second;
        return answer;
    }
};

struct Row {
    long type = -1, id = 0;
    double date0 = 0, date1 = 0;
    std::string str0, str1, str2;
};

class ReportRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        MemberData m;
        m.id = 42;
        m.first = "Ana";
        m.last = "Lopez";
        m.classes = {ClassData{0, "FIT", "FIT 101", "01"}};
        vantora::test::addMember(m);
        exec("INSERT INTO Workouts (MemberID, ClassIndx, CheckIn, CheckOut) VALUES (42, 0, " +
             Day(3, 10) + ", " + Day(3, 11) + ")");
    }
    static std::string Day(int day, int hour) {
        return std::to_string(static_cast<double>(CEFOleDateTime(2026, 12, day, hour, 0, 0)));
    }
    void exec(const std::string& sql) { ASSERT_TRUE(facility.exec("members.mdb", sql)); }
    long Queued() {
        return static_cast<long>(facility.count("reports.mdb", "SELECT COUNT(*) FROM Reports"));
    }
    Row Last() {
        const std::string where = " FROM Reports ORDER BY rowid DESC LIMIT 1";
        Row r;
        r.type = static_cast<long>(facility.count("reports.mdb", "SELECT ltype" + where));
        r.id = static_cast<long>(facility.count("reports.mdb", "SELECT lid" + where));
        r.date0 = facility.number("reports.mdb", "SELECT date0" + where);
        r.date1 = facility.number("reports.mdb", "SELECT date1" + where);
        r.str0 = facility.text("reports.mdb", "SELECT str0" + where);
        r.str1 = facility.text("reports.mdb", "SELECT str1" + where);
        r.str2 = facility.text("reports.mdb", "SELECT str2" + where);
        return r;
    }
    bool Request(int code) { return CReportRequest(doc, dialogs).RequestReport(code); }

    Facility facility;
    FakeClock clock{2026, 12, 7, 9, 0, 0};
    CVantoraDoc doc;
    ScriptedDialogs dialogs;
};

TEST_F(ReportRequestTest, MemberFlagsCombineIdsStatusAndAllWorkouts) {
    dialogs.options.includeIds = false;
    dialogs.options.status = CReportOptions::PastMembers;
    for (int code : {2, 3, 4}) {
        ASSERT_TRUE(Request(code));
        EXPECT_EQ(Last().id, 8) << code;
    }
    dialogs.options.includeIds = true;
    ASSERT_TRUE(Request(6));
    EXPECT_EQ(Last().id, 1 | 8 | 16);
    EXPECT_EQ(Last().date0, 0.0);
    dialogs.options.allWorkouts = false;
    dialogs.options.from = CEFOleDateTime(2026, 11, 1);
    dialogs.options.to = CEFOleDateTime(2026, 11, 30);
    ASSERT_TRUE(Request(8));
    const Row r = Last();
    EXPECT_EQ(r.id, 1 | 8);
    EXPECT_EQ(r.date0, static_cast<double>(CEFOleDateTime(2026, 11, 1)));
    EXPECT_EQ(r.date1, static_cast<double>(CEFOleDateTime(2026, 11, 30)));
    EXPECT_EQ(r.str0 + "|" + r.str1 + "|" + r.str2, "FIT|FIT 101|01");
}

TEST_F(ReportRequestTest, EveryCodeQueuesOneRowOfItsCode) {
    exec("INSERT INTO Evaluations (EvaluationID, MemberID, EvaluationDate, ClassIndx) VALUES "
         "(1, 42, " +
         Day(1, 9) + ", 0), (2, 42, " + Day(2, 9) + ", 0)");
    exec("INSERT INTO BodyComps (MemberID, BodyCompDate, ClassIndx) VALUES (42, " + Day(1, 9) +
         ", 0), (42, " + Day(2, 9) + ", 0)");
    dialogs.memberId = 42;
    for (int code = 0; code <= 13; ++code) {
        ASSERT_TRUE(Request(code)) << code;
        EXPECT_EQ(Queued(), code + 1);
        EXPECT_EQ(Last().type, code);
    }
    EXPECT_FALSE(Request(14));
    EXPECT_EQ(Queued(), 14);
}

TEST_F(ReportRequestTest, DatesOfTheDayAndOfTheMembersRecords) {
    exec("INSERT INTO Evaluations (EvaluationID, MemberID, EvaluationDate, ClassIndx) VALUES "
         "(1, 42, " +
         Day(1, 9) + ", 0), (2, 42, " + Day(2, 9) + ", 0)");
    dialogs.memberId = 42;
    ASSERT_TRUE(Request(5));
    EXPECT_EQ(Last().date0, static_cast<double>(CEFOleDateTime(2026, 12, 3)));
    EXPECT_EQ(Last().date1, static_cast<double>(CEFOleDateTime(2026, 12, 3, 23, 59, 59)));
    ASSERT_TRUE(Request(9)); // the newest evaluation
    EXPECT_EQ(Last().date0, static_cast<double>(CEFOleDateTime(2026, 12, 2, 9, 0, 0)));
    dialogs.first = 1;
    dialogs.second = 0;
    ASSERT_TRUE(Request(10));
    EXPECT_EQ(Last().date0, static_cast<double>(CEFOleDateTime(2026, 12, 1, 9, 0, 0)));
    EXPECT_EQ(Last().date1, static_cast<double>(CEFOleDateTime(2026, 12, 2, 9, 0, 0)));
}

TEST_F(ReportRequestTest, MemberWorkoutsStartsAtTheOnlyClassAndSendsItsIndexAndText) {
    dialogs.memberId = 42;
    ASSERT_TRUE(Request(7));
    EXPECT_EQ(dialogs.presetSeen, 1);
    EXPECT_EQ(Last().str0, "0");
    EXPECT_EQ(Last().str1, "FIT FIT 101 01");
    dialogs.classRow = 0;
    ASSERT_TRUE(Request(7));
    EXPECT_EQ(Last().str0, "101");
    EXPECT_EQ(Last().str1, "- All Classes -");
}

struct NothingCase {
    int code;
    const char* message; // empty: cancelled without a message
};

TEST_F(ReportRequestTest, PathsThatQueueNothing) {
    dialogs.memberId = 42;
    dialogs.date = CEFOleDateTime(2026, 12, 4);
    exec("INSERT INTO Evaluations (EvaluationID, MemberID, EvaluationDate, ClassIndx) VALUES "
         "(1, 42, " +
         Day(1, 9) + ", 0)");
    const NothingCase cases[] = {
        {5, "No workouts are recorded for 12/04/2026."},
        {9, ""}, // has an evaluation: checked below with a cancel
        {10, "Only one evaluation is recorded for Member ID 42."},
        {11, "No body compositions are recorded for Member ID 42."},
        {12, "No body compositions are recorded for Member ID 42."},
    };
    for (const NothingCase& c : cases) {
        if (*c.message == '\0')
            continue;
        facility.notices().clear();
        EXPECT_FALSE(Request(c.code)) << c.code;
        EXPECT_EQ(facility.notices().last(), c.message);
    }
    dialogs.answer = false;
    for (int code : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        EXPECT_FALSE(Request(code)) << code;
    EXPECT_EQ(Queued(), 0);
}

TEST_F(ReportRequestTest, MemberIdPromptChecksRangeAndExistence) {
    struct Case {
        long id;
        bool mustExist, allowZero, accepted;
        const char* message;
    };
    const Case cases[] = {
        {42, true, false, true, ""},
        {0, true, true, true, ""}, // "no member" where allowed: not looked up
        {7, false, false, true, ""},
        {0, true, false, false, "Error: enter a member ID from 1 to 999999999."},
        {1000000000, false, true, false, "Error: enter a member ID from 0 to 999999999."},
        {7, true, false, false, "Sorry, there is no member in the database\nthat matches ID 7."},
    };
    for (const Case& c : cases) {
        facility.notices().clear();
        EXPECT_EQ(CMemberIdCheck::Check(c.id, c.mustExist, c.allowZero), c.accepted) << c.id;
        EXPECT_EQ(facility.notices().last(), c.message) << c.id;
    }
}

TEST(ReportChoices, ChecksOfTheSelectionDialogs) {
    vantora::test::Notices notices;
    EXPECT_FALSE(CClassSelection::Check(0));
    EXPECT_TRUE(CClassSelection::Check(7));
    const CComparisonChoice evals(true), bodyComps(false);
    EXPECT_FALSE(evals.Check(-1, 1));
    EXPECT_FALSE(evals.Check(1, 1));
    EXPECT_FALSE(bodyComps.Check(0, 0));
    EXPECT_TRUE(bodyComps.Check(0, 1));
    EXPECT_EQ(notices->texts(),
              (std::vector<std::string>{"Error: select a category, course, and/or section",
                                        "Error: select an evaluation from each list",
                                        "Error: select two different evaluations",
                                        "Error: select two different body compositions"}));
}

} // namespace
