// The Workout Options page: loading the option names in table order, the
// abbreviation check and the leading-run rule of the write.

#include "admin/core/workoutoptionsdocument.h"

#include "db/daostn.h"

#include "support/facility.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace vantora;
using namespace vantora::test;

namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

Options stored() {
    Options out;
    CDAOStn s;
    s.OpenSet(true);
    while (!s.IsEOF()) {
        out.emplace_back(s.StnName, s.StnAbbr);
        s.Op(CDAOEFSet::opMoveNext);
    }
    return out;
}

} // namespace

TEST(WorkoutOptionsPage, ShowsTheOptionsInTableOrderAndWarnsOncePerRun) {
    Facility f;
    const Options before = stored();
    ASSERT_EQ(before.size(), 13u);
    CStatDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(f.notices().texts(), std::vector<std::string>{CStatDoc::MsgFirstTime});
    for (int i = 0; i < CStatDoc::Rows; ++i) {
        EXPECT_EQ(doc.Options[i].name, before[i].first);
        EXPECT_EQ(doc.Options[i].abbr, before[i].second);
    }
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(f.notices().count(), 1u);
}

TEST(WorkoutOptionsPage, EmptyRowFiveEndsTheListAndDropsTheRowsAfterIt) {
    Facility f;
    const Options before = stored();
    CStatDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Options[4] = {"", ""};
    doc.Options[5] = {"Rowing", "Row"};
    doc.Options[6] = {"Stepper", "Step"};
    ASSERT_TRUE(doc.Apply());
    const Options after = stored();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after, Options(before.begin(), before.begin() + 4));
}

TEST(WorkoutOptionsPage, EditsInPlaceAndAddsAtTheEnd) {
    Facility f;
    ASSERT_TRUE(f.exec("center.mdb", "DELETE FROM Stations WHERE _key > (SELECT MIN(_key) + 1 "
                                     "FROM Stations)"));
    const Options two = stored();
    ASSERT_EQ(two.size(), 2u);
    CStatDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Options[1] = {"Treadmill", "Trd"};
    doc.Options[2] = {"Bicycle", "Bike"};
    doc.Options[3] = {"Rowing", "Row"};
    ASSERT_TRUE(doc.Apply());
    const Options after = stored();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[0], two[0]);
    EXPECT_EQ(after[1], (std::pair<std::string, std::string>("Treadmill", "Trd")));
    EXPECT_EQ(after[3], (std::pair<std::string, std::string>("Rowing", "Row")));
}

TEST(WorkoutOptionsPage, NamedOptionWithoutAbbreviationIsRefused) {
    Facility f;
    const Options before = stored();
    CStatDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Options[0].name = "Laps";
    doc.Options[7] = {"Leg Press", ""};
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), "Error: enter an abbreviation\nfor Leg Press");
    EXPECT_EQ(doc.FocusField(), CStatDoc::AbbrField(7));
    EXPECT_EQ(stored(), before);
}

TEST(WorkoutOptionsPage, EmptyFirstRowIsRefusedWhateverFollows) {
    Facility f;
    const Options before = stored();
    CStatDoc doc;
    ASSERT_TRUE(doc.Activate());
    for (const CStatDoc::Row& first : {CStatDoc::Row{"", ""}, CStatDoc::Row{"", "Circ"}}) {
        f.notices().clear();
        doc.Options[0] = first;
        EXPECT_FALSE(doc.Apply());
        EXPECT_EQ(f.notices().texts(), std::vector<std::string>{CStatDoc::MsgNoCircuit});
        EXPECT_EQ(doc.FocusField(), 0);
        EXPECT_EQ(stored(), before);
    }
}

TEST(WorkoutOptionsPage, EmptyTableIsALoadFailureButCanBeFilled) {
    Facility f;
    ASSERT_TRUE(f.exec("center.mdb", "DELETE FROM Stations"));
    CStatDoc doc;
    EXPECT_FALSE(doc.Activate());
    EXPECT_EQ(f.notices().last(), CStatDoc::MsgLoad);
    EXPECT_EQ(doc.Options[0].name, "");
    doc.Options[0] = {"Circuits", "Circ"};
    doc.Options[1] = {"Bicycle", "Bike"};
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(stored(), (Options{{"Circuits", "Circ"}, {"Bicycle", "Bike"}}));
}
