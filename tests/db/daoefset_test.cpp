#include "daoefset_fixture.h"

#include "db/batchscope.h"
#include "db/connection.h"

#include "util/text.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include <unistd.h>

using namespace vantora::test;
using vantora::notice::Icon;

namespace {

std::vector<long> memberIds(VisitSet& set) {
    std::vector<long> ids;
    set.Op(CDAOEFSet::opMoveFirst);
    while (!set.IsEOF()) {
        ids.push_back(set.MemberID);
        set.Op(CDAOEFSet::opMoveNext);
    }
    return ids;
}

} // namespace

// ---- environment -----------------------------------------------------------------

TEST(RecordSetEnvironment, PathsEndInASlash) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    ScopedEnv db("VANTO_DB", "/srv/vantora/db");
    ScopedEnv back("VANTO_BACK", "/srv/vantora/back/");
    Notices notices;
    VisitSet set;
    EXPECT_EQ(set.GetDBPath(), "/srv/vantora/db/");
    EXPECT_EQ(set.GetFilePath(), "/srv/vantora/back/");
    EXPECT_EQ(set.GetDefaultDBName(), "/srv/vantora/db/visits.db");
    EXPECT_EQ(notices->count(), 0u);
}

TEST(RecordSetEnvironment, UnsetStoreFolderAtEveryConstructionBackupFolderWhenAskedFor) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    ScopedEnv db("VANTO_DB", nullptr);
    ScopedEnv back("VANTO_BACK", "");
    Notices notices;
    VisitSet first;
    VisitSet second;
    const std::string noDb = "Error: system environment variable \"VANTO_DB\" is not set";
    EXPECT_EQ(notices->texts(), (std::vector<std::string>{noDb, noDb}));
    EXPECT_EQ(notices->entries()[0].icon, Icon::Exclamation);
    EXPECT_EQ(first.GetDBPath(), "");
    EXPECT_EQ(second.GetFilePath(), "");
    EXPECT_EQ(notices->texts().back(),
              "Error: system environment variable \"VANTO_BACK\" is not set");
}

// ---- opening, counting, reading ---------------------------------------------------

using RecordSet = StoreTest;

TEST_F(RecordSet, EmptyResultIsAtEndWithNothingToMoveToOrDelete) {
    VisitSet set;
    EXPECT_EQ(set.FindMember(7), 0);
    EXPECT_TRUE(set.IsOpen());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_TRUE(set.IsBOF());
    EXPECT_FALSE(set.MoveSet(0));
    EXPECT_EQ(set.CountSet(), 0);
    EXPECT_EQ(set.DelAll(), 0);
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(RecordSet, ClosedSetIgnoresEveryOperationSilently) {
    addVisits({{1, "a"}});
    VisitSet set;
    for (int op = -1; op <= 12; ++op)
        set.Op(op);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.CountSet(), 0);
    EXPECT_FALSE(set.MoveSet(0));
    EXPECT_EQ(set.DelAll(), 0);
    set.Del(0);
    EXPECT_EQ(countRows("Visits"), 1);
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(RecordSet, OpenWithoutCountReturnsZeroButReadsTheFirstRow) {
    addVisits({{5, "e"}, {3, "c"}});
    VisitSet set;
    EXPECT_EQ(set.FindAll(false), 0);
    EXPECT_FALSE(set.IsEOF());
    EXPECT_EQ(set.MemberID, 3);
    EXPECT_EQ(set.CountSet(), 2);
}

TEST_F(RecordSet, EveryColumnTypeRoundTrips) {
    VisitSet set;
    set.FindAll();
    set.Op(CDAOEFSet::opAddNew);
    set.MemberID = 999999999;
    set.Visits = -32768;
    set.ClassIndx = 255;
    set.Name = "Zoë O'Brien \"Jr\"";
    set.Weight = 181.25;
    set.CheckIn = CEFOleDateTime(2024, 2, 29, 23, 59, 58);
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_FALSE(set.LastOpFailed());

    VisitSet again;
    ASSERT_EQ(again.FindMember(999999999), 1);
    EXPECT_EQ(again.Visits, -32768);
    EXPECT_EQ(again.ClassIndx, 255);
    EXPECT_EQ(again.Name, "Zoë O'Brien \"Jr\"");
    EXPECT_DOUBLE_EQ(again.Weight, 181.25);
    EXPECT_EQ(again.CheckIn.DateTimeStrLongYear(), "02/29/2024 23:59:58");
    // Date-times are stored as the day count, so comparisons in SQL work.
    EXPECT_DOUBLE_EQ(queryValue(store(), "SELECT CheckIn FROM Visits").toDouble(),
                     CEFOleDateTime(2024, 2, 29, 23, 59, 58).m_dt);
}

TEST_F(RecordSet, NullStoredValuesReadAsEmpty) {
    runSql(store(), {"INSERT INTO Visits (MemberID) VALUES (4)"});
    VisitSet set;
    ASSERT_EQ(set.FindMember(4), 1);
    EXPECT_EQ(set.Visits, 0);
    EXPECT_EQ(set.Name, "");
    EXPECT_EQ(set.Weight, 0.0);
    EXPECT_EQ(set.CheckIn.GetStatus(), COleDateTime::null);
}

TEST_F(RecordSet, SecondFindOnOneObjectReturnsTheSecondCount) {
    addVisits({{1, "a"}, {1, "b"}, {1, "c"}, {2, "d"}});
    VisitSet set;
    EXPECT_EQ(set.FindMember(1), 3);
    EXPECT_EQ(set.FindMember(2), 1);
    EXPECT_EQ(set.Name, "d");
    EXPECT_EQ(set.FindName("b"), 1);
    EXPECT_EQ(set.MemberID, 1);
    EXPECT_EQ(set.FindMember(3), 0);
    EXPECT_TRUE(set.IsEOF());
}

TEST_F(RecordSet, RequeryAppliesNewParameterValuesAndSeesOtherWriters) {
    addVisits({{1, "a"}, {2, "b"}});
    VisitSet set;
    ASSERT_EQ(set.FindMember(1), 1);
    runSql(store(), {"INSERT INTO Visits (MemberID, Name) VALUES (1, 'late')",
                     "INSERT INTO Visits (MemberID, Name) VALUES (2, 'other')"});
    EXPECT_EQ(set.CountSet(), 1); // the key list stays until a requery
    set.Op(CDAOEFSet::opRequery);
    EXPECT_EQ(set.CountSet(), 2);
    set.lParam0 = 2;
    set.Op(CDAOEFSet::opRequery);
    EXPECT_EQ(set.CountSet(), 2);
    EXPECT_EQ(set.MemberID, 2);
}

TEST_F(RecordSet, ParameterValuesAreNeverPartOfTheQuery) {
    addVisits({{1, "a"}, {2, "b"}});
    VisitSet set;
    EXPECT_EQ(set.FindName("x' OR '1'='1"), 0);
    EXPECT_EQ(set.FindName("a'); DELETE FROM Visits; --"), 0);
    EXPECT_EQ(countRows("Visits"), 2);
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(RecordSet, DateTimeParameterFindsAnExactTime) {
    addVisits({{1, "a"}, {1, "b"}, {1, "c"}});
    VisitSet set;
    set.lParam0 = 1;
    set.datetimeParam0 = CEFOleDateTime(COleDateTime(40001.0));
    set.m_strFilter = "MemberID = lParam0 AND CheckIn = datetimeParam0";
    EXPECT_EQ(set.OpenSet(true), 1);
    EXPECT_EQ(set.Name, "b");
    set.m_strFilter = "CheckIn >= datetimeParam0";
    set.m_strSort = "CheckIn DESC";
    EXPECT_EQ(set.OpenSet(true), 2);
    EXPECT_EQ(set.Name, "c");
}

TEST_F(RecordSet, OriginalDialectOperatorsSelectBits) {
    runSql(store(), {"INSERT INTO Members (MemberID, LastName, Goals) VALUES (1, 'A', 5)",
                     "INSERT INTO Members (MemberID, LastName, Goals) VALUES (2, 'B', 2)",
                     "INSERT INTO Profiles (MemberID, City) VALUES (1, 'X')",
                     "INSERT INTO Profiles (MemberID, City) VALUES (2, 'X')"});
    MemberView view;
    view.strViewParam0 = "X";
    view.m_strFilter =
        "Profiles.MemberID = Members.MemberID AND City = strViewParam0 AND ((Goals\\4) mod 2 = 1)";
    EXPECT_EQ(view.OpenSet(true), 1);
    EXPECT_EQ(view.LastName, "A");
    view.m_strFilter = "Profiles.MemberID = Members.MemberID AND ((Goals\\2) mod 2 = 1)";
    EXPECT_EQ(view.OpenSet(true), 1);
    EXPECT_EQ(view.LastName, "B");
}

TEST_F(RecordSet, TextComparesAndSortsWithoutRegardToCase) {
    addVisits({{1, "Smith"}, {2, "smith"}, {3, "Smithers"}});
    VisitSet set;
    EXPECT_EQ(set.FindName("SMITH"), 2);
    runSql(store(), {"INSERT INTO Members (MemberID, LastName) VALUES (1, 'brown')",
                     "INSERT INTO Members (MemberID, LastName) VALUES (2, 'Adams')",
                     "INSERT INTO Members (MemberID, LastName) VALUES (3, 'Clark')",
                     "INSERT INTO Profiles (MemberID, City) VALUES (1, 'Oslo')",
                     "INSERT INTO Profiles (MemberID, City) VALUES (2, 'Oslo')",
                     "INSERT INTO Profiles (MemberID, City) VALUES (3, 'Oslo')"});
    MemberView view;
    ASSERT_EQ(view.FindCity("oslo"), 3);
    std::vector<std::string> names;
    for (; !view.IsEOF(); view.Op(CDAOEFSet::opMoveNext))
        names.push_back(view.LastName);
    EXPECT_EQ(names, (std::vector<std::string>{"Adams", "brown", "Clark"}));
}

TEST_F(RecordSet, RowsTheSortLeavesEqualComeInTableOrder) {
    runSql(store(), {"CREATE INDEX VisitsName ON Visits (Name)"});
    addVisits({{3, "c"}, {1, "a"}, {2, "b"}, {4, "a"}});
    VisitSet set;
    set.strParam0 = "";
    set.m_strFilter = "Name >= strParam0"; // answerable from the index on Name
    set.m_strSort.clear();
    ASSERT_EQ(set.OpenSet(true), 4);
    EXPECT_EQ(memberIds(set), (std::vector<long>{3, 1, 2, 4}));
    set.m_strSort = "Name DESC";
    set.Op(CDAOEFSet::opRequery);
    EXPECT_EQ(memberIds(set), (std::vector<long>{3, 2, 1, 4}));
}

TEST_F(RecordSet, MaxRecordsLimitsTheResult) {
    addVisits({{1, "a"}, {2, "b"}, {3, "c"}});
    VisitSet set;
    set.SetMaxRecords(2);
    EXPECT_EQ(set.FindAll(), 2);
    set.SetMaxRecords(0);
    EXPECT_EQ(set.FindAll(), 3);
}

// ---- cursor -------------------------------------------------------------------------

TEST_F(RecordSet, MovesWalkTheSortedResult) {
    addVisits({{4, "d"}, {2, "b"}, {9, "i"}, {1, "a"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 4);
    EXPECT_EQ(memberIds(set), (std::vector<long>{1, 2, 4, 9}));
    set.Op(CDAOEFSet::opMoveFirst);
    set.Op(CDAOEFSet::opMoveLast);
    EXPECT_EQ(set.MemberID, 9);
    EXPECT_EQ(set.GetAbsolutePosition(), 3);
    set.Op(CDAOEFSet::opMoveNext);
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.GetAbsolutePosition(), -1);
    set.Op(CDAOEFSet::opMoveLast); // at the end: nothing happens
    EXPECT_TRUE(set.IsEOF());
    set.Op(CDAOEFSet::opNone);
    EXPECT_TRUE(set.IsEOF());
    EXPECT_TRUE(set.MoveSet(2));
    EXPECT_EQ(set.MemberID, 4);
    EXPECT_FALSE(set.MoveSet(4));
    EXPECT_FALSE(set.MoveSet(-1));
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.CountSet(), 4);
    EXPECT_EQ(set.MemberID, 1); // CountSet leaves the cursor on the first row
}

TEST_F(RecordSet, ClosingDropsTheResult) {
    addVisits({{1, "a"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 1);
    set.Op(CDAOEFSet::opClose);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.CountSet(), 0);
    EXPECT_EQ(set.FindAll(), 1); // and it opens again
}

// ---- deleting and adding ---------------------------------------------------------------

TEST_F(RecordSet, DelPastTheEndDeletesNothing) {
    addVisits({{1, "a"}, {2, "b"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 2);
    set.Del(2);
    set.Del(5);
    set.Del(-1);
    EXPECT_EQ(countRows("Visits"), 2);
    EXPECT_EQ(set.CountSet(), 2);
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(RecordSet, PositionsCloseUpAfterDeletesAndAddedRowsJoinTheEnd) {
    addVisits({{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 4);
    set.Del(1); // member 2
    EXPECT_EQ(set.MemberID, 3) << "DelCurrent moves to the next row";
    EXPECT_EQ(set.GetAbsolutePosition(), 1);
    EXPECT_EQ(set.CountSet(), 3);
    ASSERT_TRUE(set.MoveSet(1));
    EXPECT_EQ(set.MemberID, 3);

    set.Op(CDAOEFSet::opAddNew);
    set.MemberID = 0; // sorts first in the table, but joins the end of the set
    set.Name = "new";
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(set.CountSet(), 4);
    ASSERT_TRUE(set.MoveSet(3));
    EXPECT_EQ(set.Name, "new");
    EXPECT_EQ(memberIds(set), (std::vector<long>{1, 3, 4, 0}));

    set.Op(CDAOEFSet::opRequery); // the query's own order again
    EXPECT_EQ(memberIds(set), (std::vector<long>{0, 1, 3, 4}));
    EXPECT_EQ(countRows("Visits"), 4);
    EXPECT_EQ(countRows("Visits", "MemberID = 2"), 0);
}

TEST_F(RecordSet, DeleteLeavesTheCursorOnTheDeletedRowUntilItMoves) {
    addVisits({{1, "a"}, {2, "b"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 2);
    set.Op(CDAOEFSet::opMoveLast);
    set.Op(CDAOEFSet::opDelete);
    EXPECT_TRUE(set.IsDeleted());
    EXPECT_FALSE(set.IsEOF());
    set.Op(CDAOEFSet::opDelete); // already deleted: nothing more
    EXPECT_EQ(notices_->count(), 0u);
    set.Op(CDAOEFSet::opMoveNext);
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(countRows("Visits"), 1);
}

TEST_F(RecordSet, DelAllDeletesOnlyTheFilteredRows) {
    addVisits({{1, "a"}, {2, "b"}, {1, "c"}, {3, "d"}, {1, "e"}});
    VisitSet set;
    ASSERT_EQ(set.FindMember(1), 3);
    set.Op(CDAOEFSet::opMoveLast);
    EXPECT_EQ(set.DelAll(), 3); // from the first row, wherever the cursor was
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.CountSet(), 0);
    EXPECT_EQ(countRows("Visits"), 2);
    EXPECT_EQ(countRows("Visits", "MemberID = 1"), 0);
}

TEST_F(RecordSet, RowDeletedByAnotherProgramIsSkippedUntilRequery) {
    addVisits({{1, "a"}, {2, "b"}, {3, "c"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 3);
    runSql(store(), {"DELETE FROM Visits WHERE MemberID = 2"});
    EXPECT_EQ(set.CountSet(), 3);
    EXPECT_FALSE(set.MoveSet(1)) << "the deleted row has no position to match";
    EXPECT_TRUE(set.MoveSet(2));
    EXPECT_EQ(set.MemberID, 3);
    set.Op(CDAOEFSet::opMoveFirst);
    set.Op(CDAOEFSet::opMoveNext);
    EXPECT_TRUE(set.IsDeleted());
    EXPECT_EQ(set.Name, "") << "no stale values of another row";
    set.Op(CDAOEFSet::opEdit);
    EXPECT_EQ(notices_->last(), "Error: the record has been deleted by another user");
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_EQ(set.DelAll(), 2);
    set.Op(CDAOEFSet::opRequery);
    EXPECT_EQ(set.CountSet(), 0);
}

// ---- editing -------------------------------------------------------------------------

TEST_F(RecordSet, UpdateWithoutAddOrEditIsReportedAndWritesNothing) {
    addVisits({{1, "a"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 1);
    set.Name = "changed";
    set.Op(CDAOEFSet::opUpdate);
    ASSERT_EQ(notices_->count(), 1u);
    EXPECT_EQ(notices_->last(), CDAOEFSet::MsgUpdateWithoutEdit);
    EXPECT_EQ(notices_->entries()[0].icon, Icon::Exclamation);
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_EQ(queryValue(store(), "SELECT Name FROM Visits").toString().toStdString(), "a");
    set.Op(CDAOEFSet::opMoveFirst);
    EXPECT_FALSE(set.LastOpFailed());
}

TEST_F(RecordSet, EditKeepsAConcurrentWriterWaitingAndBothChangesSurvive) {
    addVisits({{1, "a"}, {2, "b"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 2);
    set.Op(CDAOEFSet::opEdit);
    EXPECT_TRUE(set.IsEditing());
    // Another program changes a column this edit leaves alone; it waits for
    // the lock of the edit.
    std::thread other(
        [&] { runSql(store(), {"UPDATE Visits SET Weight = 99 WHERE MemberID = 1"}); });
    set.Visits = 12;
    set.Op(CDAOEFSet::opUpdate);
    other.join();
    EXPECT_FALSE(set.IsEditing());
    EXPECT_EQ(countRows("Visits", "MemberID = 1 AND Visits = 12 AND Weight = 99"), 1);
    EXPECT_EQ(countRows("Visits", "MemberID = 2 AND Visits = 0"), 1);
}

TEST_F(RecordSet, AddNewStartsFromEmptyValues) {
    addVisits({{1, "a"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 1);
    set.Op(CDAOEFSet::opAddNew);
    EXPECT_EQ(set.MemberID, 0);
    EXPECT_EQ(set.Name, "");
    EXPECT_EQ(set.CheckIn.m_dt, 0.0);
    EXPECT_EQ(set.CheckIn.GetStatus(), COleDateTime::valid);
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(countRows("Visits", "MemberID = 0 AND Name = '' AND CheckIn = 0"), 1);
}

TEST_F(RecordSet, MovingAwayOrClosingDropsAPendingChangeAndReleasesTheLock) {
    addVisits({{1, "a"}, {2, "b"}});
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 2);
    set.Op(CDAOEFSet::opEdit);
    set.Name = "lost";
    set.Op(CDAOEFSet::opMoveNext);
    EXPECT_FALSE(set.IsEditing());
    set.Op(CDAOEFSet::opAddNew);
    set.Name = "lost too";
    set.Op(CDAOEFSet::opClose);
    EXPECT_EQ(countRows("Visits", "Name LIKE 'lost%'"), 0);
    EXPECT_EQ(countRows("Visits"), 2);
    // Nothing holds the store: another program writes at once.
    std::thread other([&] { runSql(store(), {"BEGIN IMMEDIATE", "COMMIT"}); });
    other.join();
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(RecordSet, DestroyingAnEditingSetKeepsTheStoreUsable) {
    addVisits({{1, "a"}});
    {
        VisitSet set;
        ASSERT_EQ(set.FindAll(), 1);
        set.Op(CDAOEFSet::opEdit);
        set.Name = "dropped";
    }
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 1);
    EXPECT_EQ(set.Name, "a");
    set.Op(CDAOEFSet::opEdit);
    set.Name = "kept";
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(countRows("Visits", "Name = 'kept'"), 1);
}

// ---- joined views ---------------------------------------------------------------------

TEST_F(RecordSet, JoinedViewReadsEditsAndAddsAcrossItsTables) {
    runSql(store(), {"INSERT INTO Members (MemberID, LastName, Goals) VALUES (1, 'Brown', 0)",
                     "INSERT INTO Members (MemberID, LastName, Goals) VALUES (2, 'Adams', 0)",
                     "INSERT INTO Members (MemberID, LastName, Goals) VALUES (3, 'Clark', 0)",
                     "INSERT INTO Profiles (MemberID, City) VALUES (1, 'Oslo')",
                     "INSERT INTO Profiles (MemberID, City) VALUES (2, 'Oslo')",
                     "INSERT INTO Profiles (MemberID, City) VALUES (3, 'Rome')"});
    MemberView view;
    ASSERT_EQ(view.FindCity("Oslo"), 2);
    EXPECT_EQ(view.LastName, "Adams");
    EXPECT_EQ(view.MembersMemberID, 2);
    EXPECT_EQ(view.ProfilesMemberID, 2);

    view.Op(CDAOEFSet::opEdit);
    view.LastName = "Adamson";
    view.City = "Bergen";
    view.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(countRows("Members", "MemberID = 2 AND LastName = 'Adamson'"), 1);
    EXPECT_EQ(countRows("Profiles", "MemberID = 2 AND City = 'Bergen'"), 1);
    EXPECT_EQ(countRows("Profiles", "City = 'Oslo'"), 1);

    view.Op(CDAOEFSet::opAddNew);
    view.MembersMemberID = 4;
    view.LastName = "Dahl";
    view.ProfilesMemberID = 4;
    view.City = "Oslo";
    view.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(view.CountSet(), 3);
    EXPECT_EQ(view.FindCity("Oslo"), 2);

    view.Op(CDAOEFSet::opDelete);
    EXPECT_EQ(notices_->last(),
              "Error: a record of a joined view cannot be deleted through the view");
    EXPECT_EQ(countRows("Members"), 4);
    EXPECT_EQ(countRows("Profiles"), 4);
}

TEST_F(RecordSet, AddThroughAJoinedViewFillsTheJoinColumnOfEveryTable) {
    class NameView : public MemberView {
    public:
        void DoFieldExchange(CDAOFieldExchange& fx) override {
            fx.Long("[Members].[MemberID]", MembersMemberID);
            fx.Text("LastName", LastName);
            fx.Long("Goals", Goals);
            fx.Text("City", City);
            fx.Param("strViewParam0", strViewParam0);
            CDAOEFSet::DoFieldExchange(fx);
        }
    };
    NameView view;
    view.m_nFields = 4;
    view.m_nParams = 16;
    view.FindCity("Oslo");
    view.Op(CDAOEFSet::opAddNew);
    view.MembersMemberID = 8;
    view.City = "Oslo";
    view.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(countRows("Profiles", "MemberID = 8 AND City = 'Oslo'"), 1);
    EXPECT_EQ(view.FindCity("Oslo"), 1);
}

// ---- bad input -------------------------------------------------------------------------

TEST_F(RecordSet, FilterNamingAMissingParameterGivesOneErrorAndAClosedSet) {
    addVisits({{1, "a"}});
    VisitSet set;
    set.m_strFilter = "MemberID = lParam7";
    EXPECT_EQ(set.OpenSet(true), 0);
    ASSERT_EQ(notices_->count(), 1u);
    EXPECT_EQ(notices_->last(),
              "Error: the query names the parameter \"lParam7\", which is not declared");
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_FALSE(set.IsOpen());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.FindMember(1), 1) << "a good filter afterwards works";
    EXPECT_FALSE(set.LastOpFailed());
}

TEST_F(RecordSet, EngineErrorsAreShownWithTheEnginesText) {
    addVisits({{1, "a"}});
    VisitSet set;
    set.m_strFilter = "NoSuchColumn = lParam0";
    EXPECT_EQ(set.OpenSet(true), 0);
    ASSERT_EQ(notices_->count(), 1u);
    EXPECT_EQ(notices_->last(), "Error: no such column: NoSuchColumn");
    EXPECT_EQ(notices_->entries()[0].icon, Icon::Exclamation);
}

TEST_F(RecordSet, DeclaredCountsMustMatchTheBindings) {
    addVisits({{1, "a"}});
    VisitSet set;
    set.m_nFields = 7;
    EXPECT_EQ(set.FindAll(), 0);
    EXPECT_EQ(notices_->last(),
              "Error: the record set binds 6 columns and 15 parameters but declares 7 and 15");
}

TEST_F(RecordSet, ATableMissingFromTheStoreIsAnError) {
    class Ghost : public VisitSet {
        std::string GetDefaultSQL() const override { return "[Ghosts]"; }
    };
    Ghost set;
    EXPECT_EQ(set.FindAll(), 0);
    EXPECT_NE(notices_->last().find("Error: the table \"Ghosts\" does not exist"),
              std::string::npos);
}

namespace {
// The test table class over the members store file.
class MembersFileSet : public VisitSet {
public:
    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
};
} // namespace

TEST(RecordSetStore, MissingStoreIsReportedAndNeverCreated) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    ScopedEnv db("VANTO_DB", dir.path().c_str());
    ScopedEnv back("VANTO_BACK", dir.path().c_str());
    Notices notices;
    MembersFileSet set;
    EXPECT_EQ(set.FindAll(), 0);
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_EQ(notices->last(),
              "Error: the database file \"" + dir.file("members.mdb") + "\" does not exist");
    EXPECT_FALSE(std::filesystem::exists(dir.file("members.mdb")));
    set.Op(CDAOEFSet::opAddNew);
    EXPECT_EQ(notices->count(), 1u);
}

TEST(RecordSetStore, ForeignFileNamedLikeAStoreIsReported) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    ScopedEnv db("VANTO_DB", dir.path().c_str());
    ScopedEnv back("VANTO_BACK", dir.path().c_str());
    {
        std::ofstream f(dir.file("members.mdb"));
        f << "Standard Jet DB, or so it says; not SQLite at all\n" << std::string(4096, 'x');
    }
    const std::string before = readFile(dir.file("members.mdb"));
    Notices notices;
    MembersFileSet set;
    EXPECT_EQ(set.FindAll(), 0);
    ASSERT_EQ(notices->count(), 1u);
    EXPECT_EQ(notices->last(), "Error: cannot open the database file \"" + dir.file("members.mdb") +
                                   "\": file is not a database");
    EXPECT_EQ(readFile(dir.file("members.mdb")), before) << "the file is left as it was";
}

TEST(RecordSetStore, FolderNamesWithUriCharactersWork) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    const auto folder = dir.path() / "Gym #1 & Spa %20 ?x=y";
    std::filesystem::create_directory(folder);
    ScopedEnv db("VANTO_DB", folder.c_str());
    ScopedEnv back("VANTO_BACK", folder.c_str());
    runSql((folder / "visits.db").string(),
           {"CREATE TABLE Visits (_key INTEGER PRIMARY KEY, MemberID INTEGER, Visits INTEGER, "
            "ClassIndx INTEGER, Name TEXT, Weight REAL, CheckIn REAL)",
            "INSERT INTO Visits (MemberID, Name) VALUES (1, 'here')"});
    Notices notices;
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 1) << notices->last();
    EXPECT_EQ(set.Name, "here");
    EXPECT_EQ(notices->count(), 0u);
}

TEST(RecordSetStore, AnotherProgramsDatabaseNamedLikeAStoreIsRefused) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    ScopedEnv db("VANTO_DB", dir.path().c_str());
    ScopedEnv back("VANTO_BACK", dir.path().c_str());
    runSql(dir.file("members.mdb"),
           {"CREATE TABLE Visits (_key INTEGER PRIMARY KEY, MemberID INTEGER, Visits INTEGER, "
            "ClassIndx INTEGER, Name TEXT, Weight REAL, CheckIn REAL)"});
    Notices notices;
    MembersFileSet set;
    EXPECT_EQ(set.FindAll(), 0);
    ASSERT_EQ(notices->count(), 1u);
    EXPECT_EQ(notices->last().rfind("Error: ", 0), 0u);
    EXPECT_NE(notices->last().find("members.mdb"), std::string::npos) << notices->last();
    EXPECT_TRUE(set.LastOpFailed());
}

TEST(RecordSetStore, ReadOnlyFolderGivesOneClearErrorOnWrite) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    TempDir dir;
    ScopedEnv db("VANTO_DB", dir.path().c_str());
    ScopedEnv back("VANTO_BACK", dir.path().c_str());
    runSql(dir.file("visits.db"),
           {"CREATE TABLE Visits (_key INTEGER PRIMARY KEY, MemberID INTEGER, Visits INTEGER, "
            "ClassIndx INTEGER, Name TEXT, Weight REAL, CheckIn REAL)",
            "INSERT INTO Visits (MemberID) VALUES (1)"});
    namespace fs = std::filesystem;
    fs::permissions(dir.file("visits.db"), fs::perms::owner_read);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    Notices notices;
    {
        VisitSet set;
        const int count = set.FindAll();
        if (count == 1) {
            set.Op(CDAOEFSet::opAddNew);
            set.Op(CDAOEFSet::opUpdate);
            EXPECT_TRUE(set.LastOpFailed());
        }
        ASSERT_EQ(notices->count(), 1u);
        EXPECT_EQ(notices->last().rfind("Error: ", 0), 0u) << notices->last();
    }
    fs::permissions(dir.path(), fs::perms::owner_all);
    fs::permissions(dir.file("visits.db"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(queryValue(dir.file("visits.db"), "SELECT count(*) FROM Visits").toInt(), 1);
}

// ---- record exchange helpers ----------------------------------------------------------------

TEST(RecordExchange, BaseExportsAndRestoresNothing) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    ScopedEnv db("VANTO_DB", dir.path().c_str());
    ScopedEnv back("VANTO_BACK", dir.path().c_str());
    Notices notices;
    {
        std::ofstream out(dir.file("x.dat"));
        out << "1|2|3\n";
    }
    VisitSet set;
    std::ofstream out(dir.file("y.dat"));
    CText text(&out, '|');
    set.Save(&text);
    out.close();
    EXPECT_EQ(readFile(dir.file("y.dat")), "");
    std::ifstream in(dir.file("x.dat"));
    EXPECT_FALSE(set.Test(in, '|'));
    EXPECT_EQ(set.Restore(in, '|', 0, false), 0);
    EXPECT_EQ(notices->count(), 0u);
}

TEST(RecordExchange, FieldReadsCutOverlongFieldsAndKeepLinesApart) {
    std::istringstream in(std::string(40, 'x') + "|short|last\r\n" + "a|b\n" + "\n");
    EXPECT_EQ(CDAOEFSet::ReadField(in, '|'), std::string(29, 'x'));
    EXPECT_EQ(CDAOEFSet::ReadField(in, '|'), "short");
    EXPECT_EQ(CDAOEFSet::ReadLastField(in), "last");
    ASSERT_TRUE(CDAOEFSet::HasRecord(in));
    EXPECT_EQ(CDAOEFSet::ReadField(in, '|'), "a");
    EXPECT_EQ(CDAOEFSet::ReadField(in, '|', 1), "b") << "a short line gives no more fields";
    EXPECT_EQ(CDAOEFSet::ReadField(in, '|'), "");
    EXPECT_EQ(CDAOEFSet::ReadLastField(in), "");
    EXPECT_FALSE(CDAOEFSet::HasRecord(in)) << "blank lines at the end are no record";
}

TEST(RecordExchange, LinesSplitIntoExactlyTheExpectedFields) {
    std::istringstream in("1|two|" + std::string(35, 'y') + "\r\nlast line");
    std::string line;
    std::vector<std::string> fields;
    ASSERT_TRUE(CDAOEFSet::ReadLine(in, line));
    EXPECT_TRUE(CDAOEFSet::SplitFields(line, '|', 3, fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"1", "two", std::string(29, 'y')}));
    EXPECT_FALSE(CDAOEFSet::SplitFields(line, '|', 4, fields));
    EXPECT_TRUE(CDAOEFSet::SplitFields("a|b|", '|', 3, fields)) << "a closing delimiter";
    ASSERT_TRUE(CDAOEFSet::ReadLine(in, line));
    EXPECT_EQ(line, "last line");
    EXPECT_FALSE(CDAOEFSet::ReadLine(in, line));
}

TEST(RecordExchange, NumbersAndDatesConvertLikeTheCLibrary) {
    EXPECT_EQ(CDAOEFSet::ToLong(" 42abc"), 42);
    EXPECT_EQ(CDAOEFSet::ToLong("-7"), -7);
    EXPECT_EQ(CDAOEFSet::ToLong("abc"), 0);
    EXPECT_EQ(CDAOEFSet::ToLong(""), 0);
    EXPECT_EQ(CDAOEFSet::ToLong("99999999999"), 2147483647);
    EXPECT_EQ(CDAOEFSet::ToShort("12x"), 12);
    EXPECT_EQ(CDAOEFSet::ToByte("3"), 3);
    EXPECT_DOUBLE_EQ(CDAOEFSet::ToDouble("150.25lbs"), 150.25);
    EXPECT_EQ(CDAOEFSet::ToDateTime("03/04/2021 05:06:07").DateTimeStrLongYear(),
              "03/04/2021 05:06:07");
    EXPECT_EQ(CDAOEFSet::ToDateTime("").GetStatus(), COleDateTime::null);
    EXPECT_EQ(CDAOEFSet::ToDateTime("soon").GetStatus(), COleDateTime::invalid);
}

TEST(RecordSetKeys, GeneratedKeysStayInTheirRangeAndDifferInQuickSuccession) {
    VANTORA_SKIP_ON_SERVER("sets a store folder of its own");
    TempDir dir;
    ScopedEnv db("VANTO_DB", dir.path().c_str());
    ScopedEnv back("VANTO_BACK", dir.path().c_str());
    VisitSet set;
    std::set<long> keys;
    for (int i = 0; i < 50; ++i) {
        const long key = set.GenerateKey();
        EXPECT_GE(key, 0);
        EXPECT_LE(key, 32767);
        keys.insert(key);
    }
    // Fifty keys drawn within a millisecond or two are not all alike.
    EXPECT_GT(keys.size(), 40u);
}

// ---- batch scope -----------------------------------------------------------------------

TEST_F(RecordSet, BatchCommitsWhatItAddedAndOthersSeeIt) {
    VisitSet set;
    set.FindAll(false);
    {
        CBatchScope batch(set);
        for (long i = 1; i <= 500; ++i) {
            set.Op(CDAOEFSet::opAddNew);
            set.MemberID = i;
            set.Op(CDAOEFSet::opUpdate);
        }
        EXPECT_EQ(set.CountSet(), 500);
    }
    EXPECT_EQ(countRows("Visits"), 500);
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(RecordSet, BatchCommitsOnTheWaySoOthersAreNotKeptOut) {
    vantora::db::setBatchInterval(1);
    VisitSet set;
    set.FindAll(false);
    long long seenDuringBatch = -1;
    {
        CBatchScope batch(set);
        for (long i = 1; i <= 3; ++i) {
            set.Op(CDAOEFSet::opAddNew);
            set.MemberID = i;
            std::this_thread::sleep_for(std::chrono::milliseconds(3)); // past the interval
            set.Op(CDAOEFSet::opUpdate);
        }
        std::thread other([&] {
            runSql(store(), {"INSERT INTO Visits (MemberID) VALUES (100)"});
            seenDuringBatch = countRows("Visits");
        });
        other.join();
        set.Op(CDAOEFSet::opAddNew);
        set.MemberID = 4;
        set.Op(CDAOEFSet::opUpdate);
    }
    vantora::db::setBatchInterval(200);
    EXPECT_EQ(seenDuringBatch, 4);
    EXPECT_EQ(countRows("Visits"), 5);
}

TEST_F(RecordSet, LastOpFailedFollowsTheMostRecentOperation) {
    addVisits({{1, "a"}});
    VisitSet set;
    set.FindAll();
    EXPECT_FALSE(set.LastOpFailed());
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_TRUE(set.LastOpFailed());
    set.Op(CDAOEFSet::opEdit);
    EXPECT_FALSE(set.LastOpFailed());
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_FALSE(set.LastOpFailed());
}

// ---- reading ahead and store files replaced on disk ------------------------------------------

TEST_F(RecordSet, AWalkSeesThisProgramsWritesAndOtherProgramsDeletes) {
    std::vector<std::pair<long, std::string>> rows;
    for (long i = 1; i <= 300; ++i)
        rows.push_back({i, "n"});
    addVisits(rows);
    VisitSet walker;
    ASSERT_EQ(walker.FindAll(), 300);
    std::vector<long> deleted;
    std::string seen40, seen250;
    for (int step = 0; !walker.IsEOF(); ++step) {
        if (walker.MemberID == 20) {
            VisitSet editor;       // another set of the same program
            editor.FindMember(40); // a row already read ahead
            editor.Op(CDAOEFSet::opEdit);
            editor.Name = "edited";
            editor.Op(CDAOEFSet::opUpdate);
            std::thread other(
                [&] { runSql(store(), {"DELETE FROM Visits WHERE MemberID = 200"}); });
            other.join();
        }
        if (walker.MemberID == 210) {
            std::thread other([&] {
                runSql(store(), {"UPDATE Visits SET Name = 'later' WHERE MemberID = 250"});
            });
            other.join();
        }
        if (walker.IsDeleted())
            deleted.push_back(step);
        if (walker.MemberID == 40)
            seen40 = walker.Name;
        if (walker.MemberID == 250)
            seen250 = walker.Name;
        walker.Op(CDAOEFSet::opMoveNext);
    }
    EXPECT_EQ(seen40, "edited");
    EXPECT_EQ(deleted, std::vector<long>{199});
    // Another program's change is seen at the latest once the cursor has
    // moved a block of rows past the moment of the change.
    EXPECT_EQ(seen250, "later");
}

TEST_F(RecordSet, AStoreFileReplacedOnDiskIsOpenedAfresh) {
    addVisits({{1, "old"}});
    VisitSet kept;
    ASSERT_EQ(kept.FindAll(), 1);
    const std::string copy = dir_.file("copy.mdb");
    runSql(store(), {"VACUUM INTO '" + copy + "'"});
    runSql(copy, {"UPDATE Visits SET Name = 'compacted'"});
    std::filesystem::rename(copy, store());
    VisitSet fresh;
    ASSERT_EQ(fresh.FindAll(), 1);
    EXPECT_EQ(fresh.Name, "compacted");
    fresh.Op(CDAOEFSet::opEdit);
    fresh.Name = "written";
    fresh.Op(CDAOEFSet::opUpdate);
    EXPECT_EQ(queryValue(store(), "SELECT Name FROM Visits").toString().toStdString(), "written");
}
