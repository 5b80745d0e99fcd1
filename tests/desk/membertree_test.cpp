#include "desk/core/membertree.h"
#include "desk/core/progress.h"

#include "support/facility.h"
#include "support/memberdata.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using vantora::test::Facility;
using vantora::test::MemberData;
using Tester = QAbstractItemModelTester;

namespace {

class RecordingProgress : public CProgress {
public:
    void Start(const std::string& text, int count) override {
        texts.push_back(text);
        counts.push_back(count);
    }
    void Step() override { ++steps; }
    void Finish() override {}
    std::vector<std::string> texts;
    std::vector<int> counts;
    int steps = 0;
};

void AddMember(long id, const std::string& first, const std::string& last) {
    MemberData m;
    m.id = id;
    m.first = first;
    m.middle = "Q";
    m.last = last;
    vantora::test::addMember(m);
}

std::string Text(const QModelIndex& index) {
    return index.data().toString().toStdString();
}

class MemberTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.SetProgress(&progress);
        AddMember(7, "Zoe", "Adams");
        AddMember(3, "Ben", "Baker");
        ASSERT_TRUE(facility.exec(
            "members.mdb", "INSERT INTO Workouts (MemberID, ClassIndx, CheckIn, CheckOut) VALUES "
                           "(7, 0, 46000.25, 46000.30), (7, 0, 46001.25, 46001.30)"));
        tester = std::make_unique<Tester>(&tree, Tester::FailureReportingMode::Fatal);
    }
    QModelIndex Root() { return tree.RootIndex(); }
    QModelIndex Child(const QModelIndex& parent, int row) {
        tree.fetchMore(parent);
        return tree.index(row, 0, parent);
    }

    Facility facility;
    CMainViewTree tree;
    std::unique_ptr<Tester> tester; // fetches as a view would, after the store is filled
    RecordingProgress progress;
};

TEST_F(MemberTreeTest, LoadsMembersByNameThenTheirFoldersOnDemand) {
    tree.ResetTree();
    progress = RecordingProgress();
    EXPECT_EQ(tree.rowCount(Root()), 0);
    EXPECT_TRUE(tree.canFetchMore(Root()));
    const QModelIndex adams = Child(Root(), 0);
    EXPECT_TRUE(tree.MembersLoaded());
    EXPECT_EQ(tree.rowCount(Root()), 2);
    EXPECT_EQ(Text(adams), "Adams, Zoe Q");
    EXPECT_EQ(Text(tree.index(1, 0, Root())), "Baker, Ben Q");
    EXPECT_EQ(Text(Child(adams, 0)), "Profile");
    const QModelIndex workouts = tree.index(1, 0, adams);
    EXPECT_EQ(Text(workouts), "Workouts");
    EXPECT_EQ(tree.MemberFlags(7), 0);
    EXPECT_EQ(Text(Child(workouts, 0)), CEFOleDateTime(46001.25).DateTimeStrLongYear());
    EXPECT_EQ(tree.rowCount(workouts), 2);
    EXPECT_EQ(tree.MemberFlags(7), CMainViewTree::WorkoutsLoaded);
    const QModelIndex evaluations = tree.index(2, 0, adams);
    EXPECT_EQ(Text(Child(evaluations, 0)), "None Found");
    EXPECT_EQ(progress.texts, (std::vector<std::string>{"Loading members, please wait...",
                                                        "Loading workouts, please wait..."}));
    EXPECT_EQ(progress.steps, 4);

    const CTreeRecord leaf = tree.Record(tree.index(0, 0, workouts));
    EXPECT_EQ(leaf.kind, CTreeRecord::Workout);
    EXPECT_EQ(leaf.memberId, 7);
    EXPECT_EQ(static_cast<double>(leaf.when), 46001.25);
    EXPECT_EQ(tree.Record(workouts).kind, CTreeRecord::None);
    EXPECT_EQ(tree.Record(tree.index(0, 0, adams)).kind, CTreeRecord::Profile);
    EXPECT_EQ(tree.InfoText(adams).substr(0, 27), "ID: 7, Status: Current, Exp");
    EXPECT_EQ(tree.InfoText(tree.index(0, 0, workouts)), "Total Minutes: 72, Status: Not OK");
}

TEST_F(MemberTreeTest, EmptyStoreShowsNoneFoundAndLoadsAgainLater) {
    ASSERT_TRUE(facility.exec("members.mdb", "DELETE FROM Members"));
    tree.ResetTree();
    EXPECT_EQ(Text(Child(Root(), 0)), "None Found");
    EXPECT_FALSE(tree.MembersLoaded());
    AddMember(9, "Ivy", "Cole");
    EXPECT_FALSE(tree.canFetchMore(Root()));
    tree.RootCollapsed();
    EXPECT_TRUE(tree.canFetchMore(Root()));
    EXPECT_EQ(Text(Child(Root(), 0)), "Cole, Ivy Q");
    EXPECT_EQ(tree.rowCount(Root()), 1);
}

TEST_F(MemberTreeTest, RefreshFollowsAnIdChangeAndEmptiesTheFolders) {
    const QModelIndex adams = Child(Root(), 0);
    Child(adams, 0);
    Child(tree.index(1, 0, adams), 0); // the workouts
    ASSERT_TRUE(tree.MemberFlags(7) & CMainViewTree::WorkoutsLoaded);
    ASSERT_TRUE(facility.exec("members.mdb", "UPDATE Members SET MemberID = 70, LastName = 'Ames' "
                                             "WHERE MemberID = 7"));
    EXPECT_TRUE(tree.RefreshMember(70, CMainViewTree::RootValue, 7));
    EXPECT_FALSE(tree.MemberIndex(7).isValid());
    const QModelIndex ames = tree.MemberIndex(70);
    EXPECT_EQ(Text(ames), "Ames, Zoe Q");
    // The folder loads again, now for ID 70, which has no workouts.
    EXPECT_EQ(Text(Child(tree.index(1, 0, ames), 0)), "None Found");
    EXPECT_FALSE(tree.RefreshMember(7, CMainViewTree::WorkoutsValue));
}

TEST_F(MemberTreeTest, AddAndRemoveMembers) {
    tree.ResetTree();
    EXPECT_TRUE(tree.AddMember(3));
    EXPECT_FALSE(tree.AddMember(3));
    EXPECT_FALSE(tree.AddMember(999));
    Child(Root(), 0); // loading the rest keeps the one added
    EXPECT_EQ(tree.rowCount(Root()), 2);
    EXPECT_TRUE(tree.RemoveMember(3));
    EXPECT_FALSE(tree.RemoveMember(3));
    EXPECT_EQ(tree.rowCount(Root()), 1);
    EXPECT_EQ(tree.Record(tree.index(0, 0, Root())).memberId, 7);
    tree.ResetTree();
    EXPECT_FALSE(tree.MembersLoaded());
    EXPECT_EQ(tree.rowCount(Root()), 0);
}

} // namespace
