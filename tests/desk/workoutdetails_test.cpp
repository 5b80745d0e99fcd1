#include "desk/core/workoutdetailsdocument.h"

#include "recordfixture.h"

#include "db/daowk.h"

#include <gtest/gtest.h>

using namespace vantora::test;
using vantora::notice::Answer;

namespace {

class WorkoutDetails : public ::testing::Test, public RecordFacility {
protected:
    WorkoutDetails() {
        facility.exec("center.mdb", "UPDATE Center SET WkMinCirc = 2, WkMinMin = 30");
    }
    // A new workout of the member from 10:00 for `minutes` with `circuits`.
    CWorkoutDetailsDoc NewWorkout(bool okay, int circuits, int minutes) {
        CWorkoutDetailsDoc doc(Member, nullptr, {"Circuits", "Bike"});
        EXPECT_TRUE(doc.Activate());
        doc.WorkoutOK = okay;
        doc.CheckIn = CEFOleDateTime(2026, 12, 7, 10, 0, 0);
        doc.CheckOut = CEFOleDateTime(2026, 12, 7, 10, minutes, 0);
        doc.ClassIndx = 1;
        doc.Values[0] = circuits;
        return doc;
    }
    long long Stored(const char* condition = "1") {
        return facility.count("members.mdb",
                              std::string("SELECT count(*) FROM Workouts WHERE ") + condition);
    }
};

TEST_F(WorkoutDetails, OkayBelowTheMinimumsAsksAndNoSwitchesTheFlagAndStays) {
    auto doc = NewWorkout(true, 1, 45);
    facility.notices()->answer(Answer::No);
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(facility.notices()->last(),
              "This workout does not meet the minimum requirements of\n2 circuit(s) and/or 30 "
              "total minute(s). Do you still want\nto enter it with a designation of \"Workout "
              "Okay\"?");
    EXPECT_FALSE(doc.WorkoutOK);
    EXPECT_EQ(doc.FocusField(), CWorkoutDetailsDoc::fldOkay);
    EXPECT_EQ(Stored(), 0);
}

TEST_F(WorkoutDetails, NotOkayMeetingTheMinimumsAsksAndYesKeepsNotOkay) {
    auto doc = NewWorkout(false, 3, 45);
    facility.notices()->answer(Answer::Yes);
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(facility.notices()->last(),
              "This workout meets the minimum requirements of\n2 circuit(s) and/or 30 total "
              "minute(s). Do you still want\nto enter it with a designation of \"Workout Not "
              "Okay\"?");
    EXPECT_EQ(Stored("WorkoutOK = 0 AND Station00 = 3 AND ClassIndx = 1 AND MemberID = 1001"), 1);
}

TEST_F(WorkoutDetails, AFlagThatFitsTheMinimumsIsStoredWithoutAQuestion) {
    auto doc = NewWorkout(true, 2, 30);
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(facility.notices()->count(), 0u);
    EXPECT_EQ(Stored("WorkoutOK = 1"), 1);
}

TEST_F(WorkoutDetails, TimesOutOfOrderOrAfterTodayAreRefusedBeforeAnythingIsWritten) {
    struct Case {
        CEFOleDateTime in, out;
        const char* message;
        int focus;
    } const cases[] = {
        {{2026, 12, 7, 10, 0, 0},
         {2026, 12, 7, 9, 59, 59},
         CWorkoutDetailsDoc::MsgOrder,
         CWorkoutDetailsDoc::fldCheckOut},
        {{2026, 12, 8, 10, 0, 0},
         {2026, 12, 8, 11, 0, 0},
         CEFOleDateTime::MsgLaterThanToday,
         CWorkoutDetailsDoc::fldCheckIn},
        {{2026, 12, 7, 10, 0, 0},
         {2026, 12, 8, 0, 0, 0},
         CEFOleDateTime::MsgLaterThanToday,
         CWorkoutDetailsDoc::fldCheckOut},
    };
    for (const Case& c : cases) {
        auto doc = NewWorkout(true, 2, 45);
        doc.CheckIn = c.in;
        doc.CheckOut = c.out;
        EXPECT_FALSE(doc.Apply());
        EXPECT_EQ(facility.notices()->last(), c.message);
        EXPECT_EQ(doc.FocusField(), c.focus);
    }
    EXPECT_EQ(Stored(), 0);
}

TEST_F(WorkoutDetails, AClassMustBeChosen) {
    auto doc = NewWorkout(true, 2, 45);
    doc.ClassIndx = -1;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(facility.notices()->last(), CWorkoutDetailsDoc::MsgClass);
}

TEST_F(WorkoutDetails, OptionLabelsComeFromTheStationListAndAnEmptyListHidesThem) {
    const CWorkoutDetailsDoc named(Member, nullptr, {"Circuits", "Bike", "Rower"});
    EXPECT_TRUE(named.ShowOptions());
    EXPECT_EQ(named.Label(0), "Circuits");
    EXPECT_EQ(named.Label(2), "Rower");
    EXPECT_EQ(named.Label(3), "");
    const CWorkoutDetailsDoc unnamed(Member, nullptr, {});
    EXPECT_FALSE(unnamed.ShowOptions());
}

TEST_F(WorkoutDetails, EditingARecordedWorkoutKeepsItsRowAndARestoredClassStaysChoosable) {
    auto first = NewWorkout(true, 2, 45);
    ASSERT_TRUE(first.Apply());
    facility.exec("members.mdb", "UPDATE Workouts SET ClassIndx = 99");
    CDAOWk wk;
    ASSERT_EQ(wk.FindWks(Member), 1);
    CWorkoutDetailsDoc doc(Member, &wk, {"Circuits"});
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.Title(), "Edit Workout for Member ID 1001");
    EXPECT_EQ(doc.ClassIndx, 99);
    doc.Values[0] = 4;
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(Stored(), 1);
    EXPECT_EQ(Stored("Station00 = 4 AND ClassIndx = 99"), 1);
}

TEST_F(WorkoutDetails, DeleteAsksWithTheCheckInDateAndYesDeletes) {
    auto doc = NewWorkout(true, 2, 45);
    ASSERT_TRUE(doc.Apply());
    CDAOWk wk;
    ASSERT_EQ(wk.FindWks(Member), 1);
    facility.notices()->answer(Answer::No);
    facility.notices()->answer(Answer::Yes);
    EXPECT_FALSE(CWorkoutDetailsDoc::DeleteWorkout(wk));
    EXPECT_EQ(facility.notices()->last(),
              "Are you sure you want to delete the workout\nfor Member ID: 1001 dated 12/07/2026?");
    EXPECT_TRUE(CWorkoutDetailsDoc::DeleteWorkout(wk));
    EXPECT_EQ(Stored(), 0);
}

} // namespace
