// The category/course/section catalog as the Categories page and the
// courses and sections dialogs edit it: ids, duplicates, the deletion
// questions, the cascades and the texts that must not split an export line.

#include "admin/core/categoriesdocument.h"
#include "admin/core/coursesdocument.h"
#include "admin/core/sectionsdocument.h"

#include "support/facility.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantora;
using namespace vantora::test;

namespace {

long long rows(const Facility& f, const std::string& table, const std::string& where = "") {
    return f.count("center.mdb",
                   "SELECT COUNT(*) FROM " + table + (where.empty() ? "" : " WHERE " + where));
}

// A catalog of two categories: FIT (id 1) with courses FIT 101 (id 1,
// sections 01) and FIT 202 (id 2, sections A and B), and SWIM (id 2) with
// course SW 1 (id 3, section X).
void twoCategories(Facility& f) {
    ASSERT_TRUE(f.exec("center.mdb", "INSERT INTO Categories (CatID, Cat) VALUES (2, 'SWIM')"));
    ASSERT_TRUE(
        f.exec("center.mdb", "INSERT INTO Courses (CourID, CatID, Cour) VALUES (2, 1, 'FIT 202')"));
    ASSERT_TRUE(
        f.exec("center.mdb", "INSERT INTO Courses (CourID, CatID, Cour) VALUES (3, 2, 'SW 1')"));
    ASSERT_TRUE(f.exec("center.mdb",
                       "INSERT INTO Sections (CourID, Sec) VALUES (2, 'A'), (2, 'B'), (3, 'X')"));
}

} // namespace

TEST(CategoriesPage, LoadsInNameOrderWithDistinctPreparedIdsForTheRest) {
    Facility f;
    twoCategories(f);
    ASSERT_TRUE(f.exec("center.mdb", "INSERT INTO Categories (CatID, Cat) VALUES (7, 'AQUA')"));
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(f.notices().texts(), std::vector<std::string>{CCateDoc::MsgFirstTime});
    EXPECT_EQ(doc.Cats[0].name, "AQUA");
    EXPECT_EQ(doc.Cats[0].id, 7);
    EXPECT_EQ(doc.Cats[1].name, "FIT");
    EXPECT_EQ(doc.Cats[2].id, 2);
    std::set<long> ids;
    for (const auto& r : doc.Cats) {
        EXPECT_NE(r.id, 0);
        ids.insert(r.id);
    }
    EXPECT_EQ(ids.size(), std::size_t(CCateDoc::Rows));
}

TEST(CategoriesPage, AddsANewCategoryUnderItsRowsId) {
    Facility f;
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Cats[1].name = "YOGA";
    const long id = doc.Cats[1].id;
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(
        f.text("center.mdb", "SELECT Cat FROM Categories WHERE CatID = " + std::to_string(id)),
        "YOGA");
    EXPECT_EQ(rows(f, "Categories"), 2);
}

TEST(CategoriesPage, ClashingPreparedIdsNeverTouchAnotherCategory) {
    Facility f;
    twoCategories(f);
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    // Two new rows drew the same id, and a third drew SWIM's.
    doc.Cats[2] = {"AQUA", 500, false};
    doc.Cats[3] = {"BOX", 500, false};
    doc.Cats[4] = {"CYCL", 2, false};
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(rows(f, "Categories"), 5);
    EXPECT_EQ(f.text("center.mdb", "SELECT Cat FROM Categories WHERE CatID = 2"), "SWIM");
    EXPECT_NE(doc.Cats[2].id, doc.Cats[3].id);
    EXPECT_NE(doc.Cats[4].id, 2);
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(rows(f, "Categories",
                       "CatID = " + std::to_string(doc.Cats[i].id) + " AND Cat = '" +
                           doc.Cats[i].name + "'"),
                  1)
            << doc.Cats[i].name;
    }
}

TEST(CategoriesPage, DuplicateInAnotherLetterCaseIsRefused) {
    Facility f;
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Cats[0].name = "Fit";
    doc.Cats[3].name = "fIT";
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), CCateDoc::MsgDuplicate);
    EXPECT_EQ(doc.FocusField(), 3);
    EXPECT_EQ(f.text("center.mdb", "SELECT Cat FROM Categories"), "FIT");
    EXPECT_EQ(rows(f, "Categories"), 1);
}

TEST(CategoriesPage, EmptyingEveryRowAndConfirmingLeavesNoCategoryAndFails) {
    Facility f;
    twoCategories(f);
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    f.notices().clear();
    f.notices().setFallback(notice::Answer::Ok);
    for (auto& r : doc.Cats)
        r.name.clear();
    EXPECT_FALSE(doc.Apply());
    const auto texts = f.notices().texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(
        texts[0],
        "Warning: deleting Category FIT will also\nremove all associated courses and sections");
    EXPECT_EQ(texts[1],
              "Warning: deleting Category SWIM will also\nremove all associated courses and "
              "sections");
    EXPECT_EQ(texts[2], CCateDoc::MsgNone);
    EXPECT_EQ(f.notices().entries()[0].buttons, notice::Buttons::OkCancel);
    EXPECT_EQ(doc.FocusField(), 0);
    EXPECT_EQ(rows(f, "Categories"), 0);
    EXPECT_EQ(rows(f, "Courses"), 0);
    EXPECT_EQ(rows(f, "Sections"), 0);
    // The emptied rows have fresh ids, so typing a category again adds it.
    doc.Cats[2].name = "NEW";
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(rows(f, "Categories"), 1);
}

TEST(CategoriesPage, CancelledDeletionKeepsTheCategoryAndItsCourses) {
    Facility f;
    twoCategories(f);
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Cats[1].name.clear(); // SWIM
    f.notices().answer(notice::Answer::Cancel);
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(rows(f, "Categories"), 2);
    EXPECT_EQ(rows(f, "Courses", "CatID = 2"), 1);
    // Confirmed, only SWIM's course and its section go.
    f.notices().answer(notice::Answer::Ok);
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(rows(f, "Categories"), 1);
    EXPECT_EQ(rows(f, "Courses"), 2);
    EXPECT_EQ(rows(f, "Sections", "Sec = 'X'"), 0);
    EXPECT_EQ(rows(f, "Sections"), 3);
}

TEST(CategoriesPage, RenamingKeepsEachCategorysCoursesAcrossRepeatedApplies) {
    Facility f;
    twoCategories(f);
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Cats[0].name = "ZUMB"; // FIT now sorts after SWIM
    ASSERT_TRUE(doc.Apply());
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(f.text("center.mdb", "SELECT Cat FROM Categories WHERE CatID = 1"), "ZUMB");
    EXPECT_EQ(f.text("center.mdb", "SELECT Cat FROM Categories WHERE CatID = 2"), "SWIM");
    EXPECT_EQ(rows(f, "Courses", "CatID = 1"), 2);
}

TEST(CatalogNames, TheExportDelimiterAndLineBreaksAreRefused) {
    Facility f;
    CCateDoc cats;
    ASSERT_TRUE(cats.Activate());
    cats.Cats[1].name = "A|B";
    EXPECT_FALSE(cats.Apply());
    EXPECT_EQ(f.notices().last(),
              "Error: the category name cannot contain the character \"|\" or a line break");
    EXPECT_EQ(cats.FocusField(), 1);
    EXPECT_EQ(rows(f, "Categories"), 1);

    CCourDoc courses("FIT", 1);
    ASSERT_TRUE(courses.Activate());
    courses.Cours[1].name = "FIT\n2";
    EXPECT_FALSE(courses.Apply());
    EXPECT_EQ(courses.FocusField(), 1);

    CSecDoc sections("FIT", "FIT 101", 1);
    ASSERT_TRUE(sections.Activate());
    sections.Secs[0] = "0|1";
    EXPECT_FALSE(sections.Apply());
    EXPECT_EQ(f.text("center.mdb", "SELECT Sec FROM Sections"), "01");
}

TEST(CategoriesPage, CoursesButtonWritesFirstAndNeedsAFilledRow) {
    Facility f;
    CCateDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Cats[1].name = "YOGA";
    EXPECT_FALSE(doc.CoursesFor(2));
    EXPECT_EQ(f.notices().last(), CCateDoc::MsgNoCategory);
    EXPECT_EQ(rows(f, "Categories"), 2); // written before the check
    const auto cat = doc.CoursesFor(1);
    ASSERT_TRUE(cat);
    EXPECT_EQ(cat->name, "YOGA");
    EXPECT_EQ(cat->id, doc.Cats[1].id);
    // A duplicate stops before anything opens.
    doc.Cats[2].name = "yoga";
    EXPECT_FALSE(doc.CoursesFor(1));
    EXPECT_EQ(f.notices().last(), CCateDoc::MsgDuplicate);
}

TEST(CoursesDialog, AddsEditsAndDeletesCoursesOfItsCategory) {
    Facility f;
    twoCategories(f);
    CCourDoc doc("FIT", 1);
    EXPECT_EQ(doc.Frame(), "Category FIT");
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.Cours[0].name, "FIT 101");
    EXPECT_EQ(doc.Cours[1].name, "FIT 202");
    EXPECT_EQ(doc.Cours[2].name, "");
    doc.Cours[0].name = "FIT 100";
    doc.Cours[1].name.clear();
    doc.Cours[2].name = "FIT 303";
    f.notices().answer(notice::Answer::Ok);
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(f.notices().last(),
              "Warning: deleting Course FIT 202 will\nalso remove all associated sections");
    EXPECT_EQ(f.text("center.mdb", "SELECT Cour FROM Courses WHERE CourID = 1"), "FIT 100");
    EXPECT_EQ(rows(f, "Courses", "CourID = 2"), 0);
    EXPECT_EQ(rows(f, "Sections", "CourID = 2"), 0);
    EXPECT_EQ(
        rows(f, "Courses",
             "CatID = 1 AND Cour = 'FIT 303' AND CourID = " + std::to_string(doc.Cours[2].id)),
        1);
    // The other category is untouched.
    EXPECT_EQ(rows(f, "Courses", "CatID = 2"), 1);
    EXPECT_EQ(rows(f, "Sections", "CourID = 3"), 1);
}

TEST(CoursesDialog, SectionsButtonNeedsAFilledRow) {
    Facility f;
    CCourDoc doc("FIT", 1);
    ASSERT_TRUE(doc.Activate());
    doc.Cours[1].name = "FIT 2";
    EXPECT_FALSE(doc.SectionsFor(2));
    EXPECT_EQ(f.notices().last(), CCourDoc::MsgNoCourse);
    EXPECT_EQ(rows(f, "Courses", "Cour = 'FIT 2'"), 1);
    const auto course = doc.SectionsFor(0);
    ASSERT_TRUE(course);
    EXPECT_EQ(course->name, "FIT 101");
    EXPECT_EQ(course->id, 1);
}

TEST(CoursesDialog, ClearAsksThenRemovesEveryCourseWithItsSections) {
    Facility f;
    twoCategories(f);
    CCourDoc doc("FIT", 1);
    ASSERT_TRUE(doc.Activate());
    f.notices().answer(notice::Answer::No);
    EXPECT_FALSE(doc.Clear());
    EXPECT_EQ(f.notices().last(),
              "Do you want to remove all courses and\nsections associated with Category FIT?\n");
    EXPECT_EQ(rows(f, "Courses", "CatID = 1"), 2);
    f.notices().answer(notice::Answer::Yes);
    EXPECT_TRUE(doc.Clear());
    EXPECT_EQ(doc.Cours[0].name, "");
    EXPECT_EQ(doc.FocusField(), 0);
    EXPECT_EQ(rows(f, "Courses", "CatID = 1"), 0);
    EXPECT_EQ(rows(f, "Sections", "CourID IN (1, 2)"), 0);
    EXPECT_EQ(rows(f, "Sections", "CourID = 3"), 1);
}

TEST(SectionsDialog, EmptiedRowsAreDeletedWithoutAskingAndTheRightOnesGo) {
    Facility f;
    ASSERT_TRUE(f.exec(
        "center.mdb", "INSERT INTO Sections (CourID, Sec) VALUES (1, '02'), (1, '03'), (1, '04')"));
    CSecDoc doc("FIT", "FIT 101", 1);
    EXPECT_EQ(doc.Frame(), "Category FIT - Course FIT 101");
    ASSERT_TRUE(doc.Activate());
    ASSERT_EQ(doc.Secs[3], "04");
    doc.Secs[0].clear();
    doc.Secs[1].clear();
    doc.Secs[2] = "3B";
    doc.Secs[5] = "06";
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(f.notices().count(), 0u);
    EXPECT_EQ(rows(f, "Sections", "CourID = 1"), 3);
    EXPECT_EQ(rows(f, "Sections", "Sec IN ('3B', '04', '06')"), 3);
}

TEST(SectionsDialog, ClearAsksThenRemovesTheCoursesSections) {
    Facility f;
    twoCategories(f);
    CSecDoc doc("FIT", "FIT 202", 2);
    ASSERT_TRUE(doc.Activate());
    f.notices().answer(notice::Answer::Yes);
    EXPECT_TRUE(doc.Clear());
    EXPECT_EQ(f.notices().last(),
              "Do you want to remove all sections\n associated with Course FIT 202?\n");
    EXPECT_EQ(rows(f, "Sections", "CourID = 2"), 0);
    EXPECT_EQ(rows(f, "Sections"), 2);
    EXPECT_EQ(doc.Secs[0], "");
}
