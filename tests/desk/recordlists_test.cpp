#include "desk/core/quickstatistics.h"
#include "desk/core/workoutdetailsdocument.h"
#include "desk/core/workoutlist.h"

#include "recordfixture.h"

#include <gtest/gtest.h>

using namespace vantora::test;
using vantora::notice::Answer;

namespace {

class RecordLists : public ::testing::Test, public RecordFacility {
protected:
    void AddWorkout(long member, const char* in, const char* out, int ok) {
        facility.exec("members.mdb",
                      "INSERT INTO Workouts (MemberID, WorkoutOK, ClassIndx, CheckIn, CheckOut, "
                      "Station00) VALUES (" +
                          std::to_string(member) + ", " + std::to_string(ok) + ", 0, " + in + ", " +
                          out + ", 2)");
    }
    static std::string Day(int year, int month, int day, int hour, int minute) {
        return std::to_string(double(CEFOleDateTime(year, month, day, hour, minute, 0)));
    }
};

TEST_F(RecordLists, FindWorkoutsTitlesOneDayOrARangeAndRefusesAReversedRange) {
    CFindWorkoutsCriteria c;
    c.From = CEFOleDateTime(2026, 12, 1, 15, 0, 0);
    c.To = CEFOleDateTime(2026, 12, 1, 9, 0, 0);
    ASSERT_TRUE(c.Validate());
    EXPECT_EQ(c.Title(), "Workouts for 12/01/2026");
    c.To = CEFOleDateTime(2026, 12, 3);
    c.OneMember = true;
    c.MemberID = Member;
    ASSERT_TRUE(c.Validate());
    EXPECT_EQ(c.Title(), "Workouts for Member ID 1001 - 12/01/2026 to 12/03/2026");
    c.To = CEFOleDateTime(2026, 11, 30);
    EXPECT_FALSE(c.Validate());
    EXPECT_EQ(facility.notices()->last(),
              "Error: second date must be later than or equal to first date");
    c.To = CEFOleDateTime(2026, 12, 3);
    c.MemberID = 4242;
    EXPECT_FALSE(c.Validate());
    EXPECT_EQ(facility.notices()->last(),
              "Sorry, there is no member in the database\nthat matches ID 4242.");
}

TEST_F(RecordLists, FoundWorkoutsShowNameTimesMinutesAndTheirFlag) {
    AddWorkout(Member, Day(2026, 12, 2, 9, 0).c_str(), Day(2026, 12, 2, 9, 40).c_str(), 1);
    AddWorkout(Member, Day(2026, 12, 3, 18, 5).c_str(), Day(2026, 12, 3, 18, 20).c_str(), 0);
    AddWorkout(Member, Day(2026, 11, 20, 9, 0).c_str(), Day(2026, 11, 20, 10, 0).c_str(), 1);
    CWorkoutList list({"Circuits", "Bike"});
    CFindWorkoutsCriteria c;
    c.From = CEFOleDateTime(2026, 12, 1);
    c.To = CEFOleDateTime(2026, 12, 7);
    ASSERT_EQ(list.QueryFound(c), 2);
    EXPECT_EQ(list.Cell(0, 0), "Zoë O'Brien-Núñez");
    EXPECT_EQ(list.Cell(0, 3), "09:00");
    EXPECT_EQ(list.Cell(0, 5), "40");
    EXPECT_EQ(list.Cell(0, 6), "2");
    EXPECT_EQ(list.Image(0), CWorkoutList::imgOkay);
    EXPECT_EQ(list.Image(1), CWorkoutList::imgNotOkay);
    list.ColumnMask = CWorkoutList::bitName | CWorkoutList::bitOptions;
    EXPECT_EQ(list.Shown(), (std::vector<int>{0, 6, 7}));

    c.Okay = CDAOWk::okNotOK;
    EXPECT_EQ(list.QueryFound(c), 1);
}

// The list reads rows as they are shown, which moves its set; an edit
// started on one row still writes that row.
TEST_F(RecordLists, AnEditFromTheListWritesItsOwnRowThoughTheListReadOthers) {
    AddWorkout(Member, Day(2026, 12, 2, 9, 0).c_str(), Day(2026, 12, 2, 9, 40).c_str(), 1);
    AddWorkout(Member, Day(2026, 12, 3, 9, 0).c_str(), Day(2026, 12, 3, 9, 40).c_str(), 1);
    CWorkoutList list({"Circuits"});
    ASSERT_EQ(list.QueryMember(Member, 101, "- All Classes -"), 2);
    ASSERT_TRUE(list.Move(1)); // the older workout
    CWorkoutDetailsDoc doc(0, &list.Set(), {"Circuits"});
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(list.Cell(0, 2), "12/03/26"); // reading row 0 moves the set
    doc.Values[0] = 5;
    facility.notices()->setFallback(Answer::Yes);
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(facility.count("members.mdb", "SELECT Station00 FROM Workouts ORDER BY CheckIn"), 5);
    EXPECT_EQ(facility.count("members.mdb", "SELECT Station00 FROM Workouts ORDER BY CheckIn DESC"),
              2);
}

TEST_F(RecordLists, QuickStatisticsCountsTheFacility) {
    addMember(richMember(1002, 1));
    facility.exec("members.mdb", "UPDATE Members SET MemberStatus = 0 WHERE MemberID = 1002");
    AddWorkout(Member, Day(2026, 12, 7, 9, 0).c_str(), Day(2026, 12, 7, 9, 40).c_str(), 1);
    AddWorkout(1002, Day(2026, 12, 6, 9, 0).c_str(), Day(2026, 12, 6, 9, 40).c_str(), 1);
    facility.exec("members.mdb",
                  "INSERT INTO Evaluations (EvaluationID, MemberID) VALUES (1, 1001)");
    facility.exec("members.mdb", "INSERT INTO BodyComps (MemberID) VALUES (1001), (1002)");
    CQuickStatistics q;
    q.Count();
    EXPECT_EQ(q.MembersTotal, 2);
    EXPECT_EQ(q.MembersPast, 1);
    EXPECT_EQ(q.MembersCurrent(), 1);
    EXPECT_EQ(q.WorkoutsTotal, 2);
    EXPECT_EQ(q.WorkoutsToday, 1);
    EXPECT_EQ(q.EvaluationsTotal, 1);
    EXPECT_EQ(q.BodyCompsTotal, 2);
}

TEST_F(RecordLists, CheckedInListAndTheDeletionOfACheckIn) {
    auto rows = CQuickStatistics::CheckedInRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Date, "None Found");
    EXPECT_FALSE(CQuickStatistics::DeleteCheckIn(rows[0].MemberID));
    EXPECT_EQ(facility.notices()->count(), 0u);

    facility.exec("chkin.mdb",
                  "INSERT INTO ChkIn (MemberID, Barcode, FirstName, LastName, CheckIn, ClassIndx) "
                  "VALUES (1001, 501001, 'Ann', 'Lee', " +
                      Day(2026, 12, 7, 11, 15) + ", 0)");
    rows = CQuickStatistics::CheckedInRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Name, "Ann Lee");
    EXPECT_EQ(rows[0].Minutes, "45");
    EXPECT_EQ(rows[0].Date, "12/07/26 11:15:00");
    facility.notices()->answer(Answer::Yes);
    EXPECT_TRUE(CQuickStatistics::DeleteCheckIn(1001));
    EXPECT_EQ(facility.notices()->last(), "Are you sure you want to delete the check-in\nfor "
                                          "Member ID: 1001 dated 12/07/2026 11:15:00?");
    EXPECT_EQ(facility.count("chkin.mdb", "SELECT count(*) FROM ChkIn"), 0);
}

} // namespace
