// The member sheet's document: the checks in order with their texts and
// focus, adding and editing a member, an ID change that takes every record
// along (or changes nothing), a save kept out by another program's lock,
// and the deletion of a class.

#include "desk/core/membersheetdocument.h"

#include "db/connection.h"
#include "support/facility.h"
#include "support/memberdata.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace vantora;
using namespace vantora::test;

namespace {

class MemberSheet : public ::testing::Test {
protected:
    Facility facility;

    long Count(const std::string& table, long id) {
        return static_cast<long>(
            facility.count("members.mdb", "SELECT count(*) FROM " + table +
                                              " WHERE MemberID = " + std::to_string(id)));
    }

    // A loaded sheet for `id` filled with valid values.
    static void Fill(CMemberSheetDoc& doc) {
        doc.Barcode = 4242;
        doc.FirstName = "Ada";
        doc.LastName = "Lind";
        doc.Classes[0].category = "FIT";
        doc.Classes[0].categoryId = 1;
    }

    // Recorded data of every kind under the member.
    void AddRecordedData(long id) {
        const std::string m = std::to_string(id);
        facility.exec("members.mdb", "INSERT INTO Workouts (MemberID, ClassIndx) VALUES (" + m +
                                         ", 0), (" + m + ", 0)");
        facility.exec("members.mdb",
                      "INSERT INTO Evaluations (EvaluationID, MemberID) VALUES (77, " + m + ")");
        facility.exec("members.mdb", "INSERT INTO Circuit (EvaluationID) VALUES (77)");
        facility.exec("members.mdb", "INSERT INTO EvalBodyComps (EvaluationID) VALUES (77)");
        facility.exec("members.mdb", "INSERT INTO BodyComps (MemberID) VALUES (" + m + ")");
        facility.exec("members.mdb",
                      "INSERT INTO Messages (MemberID, Msg) VALUES (" + m + ", 'hello')");
        facility.exec("chkin.mdb", "INSERT INTO ChkIn (MemberID, Barcode) VALUES (" + m + ", 1)");
    }
};

TEST_F(MemberSheet, ChecksRunInOrderWithTheirTextsAndFocus) {
    addMember(richMember(6, 1)); // barcode 500006
    CMemberSheetDoc doc(5, {});
    ASSERT_TRUE(doc.Activate());
    EXPECT_TRUE(doc.IsNew());
    // Every fault at once; each fix uncovers the next check.
    doc.Barcode = 500006;
    doc.MemberID = 6;
    doc.City = "Oslo|Bergen";
    doc.Birthday.Current();
    doc.Birthday.AddMin(24 * 60);
    doc.ExpirationDate = doc.EnrollmentDate;
    doc.ExpirationDate.AddMin(-1);
    doc.Classes[0] = doc.Classes[1] = CMemberClassBlock{};
    const std::function<void()> fixes[] = {
        [&] { doc.City = "Oslo"; },
        [&] { doc.FirstName = "Ada"; },
        [&] { doc.LastName = "Lind"; },
        [&] { doc.MemberID = 5; },
        [&] { doc.Barcode = 4242; },
        [&] { doc.Birthday = CEFOleDateTime(1980, 5, 1, 0, 0, 0); },
        [&] { doc.ExpirationDate = doc.EnrollmentDate; },
        [&] {
            doc.Classes[1].category = doc.Classes[2].category = "FIT";
            doc.Classes[1].categoryId = 1;
        },
        [&] { doc.Classes[2].section = "01"; },
    };
    const struct {
        const char* text;
        int focus;
    } expected[] = {
        {"Error: the city cannot contain the character \"|\" or a line break",
         CMemberSheetDoc::fldCity},
        {"Error: enter first name", CMemberSheetDoc::fldFirstName},
        {"Error: enter last name", CMemberSheetDoc::fldLastName},
        {"Error: Member ID 6 is already\nin use for an existing member",
         CMemberSheetDoc::fldMemberID},
        {"Error: Workout ID 500006 is already\nin use for an existing member",
         CMemberSheetDoc::fldBarcode},
        {"Error: invalid birthday", CMemberSheetDoc::fldBirthday},
        {"Error: expiration date cannot precede enrollment date",
         CMemberSheetDoc::fldExpirationDate},
        {"Error: select at least one category, course, and/or section",
         CMemberSheetDoc::fldClassCategory},
        {"Error: duplicate category, course, and section", CMemberSheetDoc::fldClassCategory + 2},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        facility.notices().clear();
        EXPECT_FALSE(doc.Apply()) << i;
        EXPECT_EQ(facility.notices().last(), expected[i].text) << i;
        EXPECT_EQ(doc.FocusField(), expected[i].focus) << i;
        fixes[i]();
    }
    EXPECT_TRUE(doc.Apply()) << facility.notices().last();
}

TEST_F(MemberSheet, NewMemberStartsFromTheDefaultsAndIsWrittenWholly) {
    CMemberSheetDoc doc(31, CDefaultClass{"FIT", "FIT 101", "01"});
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.MemberStatus, 1);            // new members are current
    EXPECT_EQ(doc.Classes[0].category, "FIT"); // the default class
    EXPECT_EQ(doc.Classes[1].classIndx, 1);    // free slots after block 1
    EXPECT_TRUE(doc.Classes[0].orientBonus);   // the defaults' orientation bonus
    Fill(doc);
    doc.Goals = 0x100 | 4; // a bit the page does not show is kept
    doc.Message = "Welcome!\nSee the desk.";
    ASSERT_TRUE(doc.Apply()) << facility.notices().last();
    const MemberData m = readMember(31);
    EXPECT_EQ(m.barcode, 4242);
    EXPECT_EQ(m.goals, 0x104);
    ASSERT_EQ(m.classes.size(), 1u);
    EXPECT_EQ(m.classes[0].course, "FIT 101");
    EXPECT_EQ(facility.text("members.mdb", "SELECT Msg FROM Messages WHERE MemberID = 31"),
              "Welcome!\nSee the desk.");
    EXPECT_EQ(doc.DefaultClass().section, "01");
}

TEST_F(MemberSheet, EditingKeepsTheIdAndWritesTheChanges) {
    addMember(richMember(8, 2));
    CMemberSheetDoc doc(8, {});
    ASSERT_TRUE(doc.Activate());
    EXPECT_FALSE(doc.IsNew());
    EXPECT_EQ(doc.Classes[1].category, "Athletics");
    doc.LastName = "Berg";
    doc.Classes[0].categoryId = 1; // as if chosen from the catalog in the page
    ASSERT_TRUE(doc.Apply()) << facility.notices().last();
    EXPECT_EQ(readMember(8).last, "Berg");
    EXPECT_EQ(Count("Members", 8), 1);
    EXPECT_EQ(Count("Profiles", 8), 1);
    EXPECT_EQ(Count("Classes", 8), 2);
}

TEST_F(MemberSheet, ChangedIdTakesEveryRecordAlong) {
    addMember(richMember(10, 1));
    AddRecordedData(10);
    CMemberSheetDoc doc(10, {});
    ASSERT_TRUE(doc.Activate());
    doc.MemberID = 20;
    doc.Classes[0].categoryId = 1;
    ASSERT_TRUE(doc.Apply()) << facility.notices().last();
    for (const char* table : {"Members", "Enrollments", "Profiles", "Classes", "Workouts",
                              "Evaluations", "BodyComps", "Messages"}) {
        EXPECT_EQ(Count(table, 10), 0) << table;
        EXPECT_GT(Count(table, 20), 0) << table;
    }
    EXPECT_EQ(Count("Workouts", 20), 2);
    EXPECT_EQ(facility.count("chkin.mdb", "SELECT count(*) FROM ChkIn WHERE MemberID = 20"), 1);
}

TEST_F(MemberSheet, RecordedDataFollowsItsClassToItsNewIndex) {
    MemberData m = richMember(50, 0);
    m.classes = {{1, "A", "", "", 0, 0, 0, 0},
                 {3, "B", "", "", 0, 0, 0, 0},
                 {4, "C", "", "", 0, 0, 0, 0},
                 {6, "D", "", "", 0, 0, 0, 0}}; // a fourth class, beyond the sheet's blocks
    addMember(m);
    facility.exec("members.mdb", "INSERT INTO Workouts (MemberID, ClassIndx) VALUES "
                                 "(50, 1), (50, 3), (50, 3), (50, 4), (50, 4), (50, 4), (50, 6)");
    CMemberSheetDoc doc(50, {});
    ASSERT_TRUE(doc.Activate());
    doc.Classes[0].category.clear(); // class A given up without deleting its data
    doc.Classes[1].categoryId = 1;
    ASSERT_TRUE(doc.Apply()) << facility.notices().last();
    auto workouts = [&](int indx) {
        return facility.count("members.mdb",
                              "SELECT count(*) FROM Workouts WHERE MemberID = 50 AND ClassIndx = " +
                                  std::to_string(indx));
    };
    EXPECT_EQ(workouts(99), 1); // A's
    EXPECT_EQ(workouts(1), 2);  // B, now class index 1
    EXPECT_EQ(workouts(2), 3);  // C, now class index 2
    EXPECT_EQ(workouts(6), 1);  // D keeps its class and its data
    EXPECT_EQ(facility.text("members.mdb", "SELECT group_concat(ClassIndx || Category) FROM "
                                           "(SELECT * FROM Classes WHERE MemberID = 50 "
                                           "ORDER BY ClassIndx)"),
              "1B,2C,6D");
}

TEST_F(MemberSheet, RefusedMoveChangesNothing) {
    addMember(richMember(10, 1));
    AddRecordedData(10);
    facility.exec("members.mdb", "CREATE TRIGGER refuse BEFORE UPDATE ON BodyComps "
                                 "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    CMemberSheetDoc doc(10, {});
    ASSERT_TRUE(doc.Activate());
    doc.MemberID = 20;
    doc.Classes[0].categoryId = 1;
    doc.FirstName = "Changed";
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(facility.notices().last(), CMemberSheetDoc::MsgNotSaved);
    for (const char* table : {"Members", "Workouts", "Evaluations", "BodyComps"}) {
        EXPECT_EQ(Count(table, 20), 0) << table;
        EXPECT_GT(Count(table, 10), 0) << table;
    }
    EXPECT_EQ(facility.count("chkin.mdb", "SELECT count(*) FROM ChkIn WHERE MemberID = 10"), 1);
    EXPECT_EQ(readMember(10).first, "Zoë");
}

TEST_F(MemberSheet, SaveKeptOutByAnotherProgramsLockIsReportedAndKeepsTheValues) {
    addMember(richMember(12, 1));
    CMemberSheetDoc doc(12, {});
    ASSERT_TRUE(doc.Activate());
    doc.LastName = "Strand";
    doc.Classes[0].categoryId = 1;
    db::setBusyTimeout(50);
    {
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(QString::fromStdString(facility.storePath("members.mdb")));
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE"));
        EXPECT_FALSE(doc.Apply());
        EXPECT_EQ(facility.notices().last(), CMemberSheetDoc::MsgNotSaved);
        EXPECT_EQ(doc.LastName, "Strand");
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    db::setBusyTimeout(5000);
    EXPECT_TRUE(doc.Apply()) << facility.notices().last();
    EXPECT_EQ(readMember(12).last, "Strand");
}

TEST_F(MemberSheet, DeletedClassKeepsOrDropsItsDataAsAnswered) {
    for (const notice::Answer keep : {notice::Answer::No, notice::Answer::Yes}) {
        const long id = keep == notice::Answer::No ? 40 : 41;
        addMember(richMember(id, 2));
        facility.exec("members.mdb", "INSERT INTO Workouts (MemberID, ClassIndx) VALUES (" +
                                         std::to_string(id) + ", 1)");
        CMemberSheetDoc doc(id, {});
        ASSERT_TRUE(doc.Activate());
        facility.notices().answer(notice::Answer::Yes);
        facility.notices().answer(keep);
        EXPECT_TRUE(doc.DeleteClass(1));
        EXPECT_EQ(facility.notices().entries().at(0).text,
                  "Are you sure you want to delete\nthe class: Athletics  ?");
        EXPECT_TRUE(doc.Classes[1].category.empty());
        EXPECT_EQ(doc.Classes[1].classIndx, 1);
        EXPECT_EQ(Count("Classes", id), 1);
        const std::string moved = "SELECT count(*) FROM Workouts WHERE ClassIndx = 99 AND "
                                  "MemberID = " +
                                  std::to_string(id);
        EXPECT_EQ(facility.count("members.mdb", moved), keep == notice::Answer::No ? 1 : 0);
        EXPECT_EQ(Count("Workouts", id), keep == notice::Answer::No ? 1 : 0);
        facility.notices().clear();
    }
}

} // namespace
