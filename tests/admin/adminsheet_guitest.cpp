// The administration sheet with its page widgets on the offscreen platform:
// tab order, which pages are written, the Close button, failures shown on
// their page, the colour chooser and the catalog button.

#include "admin/view/adminsheet.h"
#include "admin/view/barcodetouchpage.h"
#include "admin/view/categoriespage.h"
#include "admin/view/coursesdialog.h"
#include "admin/view/dataentrydefaultspage.h"
#include "admin/view/facilityprofilepage.h"
#include "admin/view/passworddialog.h"
#include "admin/view/passwordpage.h"
#include "admin/view/sectionsdialog.h"
#include "admin/view/workoutoptionspage.h"

#include "db/daodef.h"

#include "support/applicationenvironment.h"
#include "support/facility.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace vantora;
using namespace vantora::test;

namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    vantora::test::addApplicationEnvironment("admin_gui_tests");

class Sheet : public ::testing::Test {
protected:
    Facility facility{"Harbor Health Club", "pw"};
};

enum { pgProf, pgDefa, pgBarc, pgStat, pgCate, pgWork, pgBonu, pgPass, pgAbout };

} // namespace

TEST_F(Sheet, ShowsNinePagesInOrderAndLoadsOnlyTheFirst) {
    CAdminSheet sheet;
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Vantora Administration"));
    const char* titles[] = {"Facility Profile",
                            "Data Entry Defaults",
                            "Barcode/Touch Screen",
                            "Workout Options",
                            "Categories",
                            "Workout Verification",
                            "Bonus Values",
                            "Password",
                            "About"};
    ASSERT_EQ(sheet.PageCount(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(sheet.Page(i)->Title(), QString::fromUtf8(titles[i]));
        EXPECT_EQ(sheet.TabButton(i)->text(), QString::fromUtf8(titles[i]));
        if (sheet.Page(i)->Doc()) {
            EXPECT_EQ(sheet.Page(i)->Doc()->Visited(), i == pgProf) << titles[i];
        }
    }
    auto* prof = static_cast<CProfPg*>(sheet.Page(pgProf));
    EXPECT_EQ(prof->Document().Name, "Harbor Health Club");
    EXPECT_EQ(sheet.CancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    sheet.TabButton(pgBonu)->click();
    EXPECT_EQ(sheet.ActivePage(), pgBonu);
    EXPECT_TRUE(sheet.Page(pgBonu)->Doc()->Visited());
    EXPECT_FALSE(sheet.TabButton(pgProf)->isChecked());
}

TEST_F(Sheet, ApplyWritesVisitedPagesOnlyAndCancelBecomesClose) {
    CAdminSheet sheet;
    sheet.SetActivePage(pgPass);
    auto* pass = static_cast<CPassPg*>(sheet.Page(pgPass));
    EXPECT_EQ(pass->PasswordEdit()->text(), QStringLiteral("pw"));
    pass->PasswordEdit()->setText(QStringLiteral("Harbor1"));
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
    ASSERT_TRUE(sheet.Apply());
    EXPECT_EQ(sheet.CancelButton()->text(), QStringLiteral("Close"));
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    EXPECT_EQ(facility.text("center.mdb", "SELECT Password FROM Center"), "Harbor1");
    // Pages never shown kept their tables as they were.
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Stations"), 13);
    EXPECT_EQ(facility.count("center.mdb", "SELECT CodeLen FROM BarcodeTouch"), 6);
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Categories"), 1);
    EXPECT_EQ(facility.notices().count(), 0u);
}

TEST_F(Sheet, ProfileKeepsAStoredStateThatIsNotInTheList) {
    ASSERT_TRUE(facility.exec("center.mdb", "UPDATE Center SET St = 'QC'"));
    CAdminSheet sheet;
    auto* prof = static_cast<CProfPg*>(sheet.Page(pgProf));
    prof->findChild<QLineEdit*>()->setText(QStringLiteral("Harbour Health Club"));
    ASSERT_TRUE(sheet.Apply());
    EXPECT_EQ(facility.text("center.mdb", "SELECT Name FROM Center"), "Harbour Health Club");
    EXPECT_EQ(facility.text("center.mdb", "SELECT St FROM Center"), "QC");
}

TEST_F(Sheet, FailingPageIsShownWithItsMessageAndNothingOfItWritten) {
    CAdminSheet sheet;
    sheet.show();
    sheet.SetActivePage(pgPass);
    auto* pass = static_cast<CPassPg*>(sheet.Page(pgPass));
    pass->PasswordEdit()->clear();
    sheet.SetActivePage(pgProf);
    EXPECT_FALSE(sheet.Apply());
    EXPECT_EQ(facility.notices().texts(),
              std::vector<std::string>{"Error: password must contain at least one character"});
    EXPECT_EQ(sheet.ActivePage(), pgPass);
    QApplication::processEvents();
    EXPECT_TRUE(pass->PasswordEdit()->hasFocus());
    EXPECT_TRUE(pass->PasswordEdit()->text().isEmpty()); // what was typed is still there
    EXPECT_EQ(sheet.CancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(facility.text("center.mdb", "SELECT Password FROM Center"), "pw");
}

TEST_F(Sheet, WorkoutOptionsShowTheStoredListRightAfterApply) {
    CAdminSheet sheet;
    sheet.SetActivePage(pgStat);
    auto* stat = static_cast<CStatPg*>(sheet.Page(pgStat));
    stat->NameEdit(4)->clear();
    ASSERT_TRUE(sheet.Apply());
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Stations"), 4);
    EXPECT_FALSE(stat->NameEdit(3)->text().isEmpty());
    for (int i = 4; i < CStatDoc::Rows; ++i) {
        EXPECT_TRUE(stat->NameEdit(i)->text().isEmpty()) << i;
        EXPECT_TRUE(stat->AbbrEdit(i)->text().isEmpty()) << i;
    }
}

TEST_F(Sheet, DefaultsRadioPairsSetAndClearTheirBits) {
    CAdminSheet sheet;
    sheet.SetActivePage(pgDefa);
    auto* defa = static_cast<CDefaPg*>(sheet.Page(pgDefa));
    auto button = [defa](const char* text, int nth) -> QRadioButton* {
        for (QRadioButton* b : defa->findChildren<QRadioButton*>())
            if (b->text() == QString::fromUtf8(text) && nth-- == 0)
                return b;
        return nullptr;
    };
    const long before = long(facility.count("center.mdb", "SELECT DefFlags FROM Defaults"));
    ASSERT_FALSE(before & CDAODef::defSex);
    ASSERT_TRUE(before & CDAODef::defMemberStatus);
    ASSERT_NE(button("Male", 0), nullptr);
    ASSERT_NE(button("Past", 0), nullptr);
    button("Male", 0)->click();
    button("Past", 0)->click();
    ASSERT_TRUE(sheet.Apply());
    const long after = long(facility.count("center.mdb", "SELECT DefFlags FROM Defaults"));
    EXPECT_EQ(after, (before | CDAODef::defSex) & ~long(CDAODef::defMemberStatus));
}

TEST_F(Sheet, ColourChooserAnswerIsStoredAndCancelChangesNothing) {
    CAdminSheet sheet;
    sheet.SetActivePage(pgBarc);
    auto* barc = static_cast<CBarcPg*>(sheet.Page(pgBarc));
    long offered = -1;
    auto previous = CBarcPg::SetColourChooser([&](long current, QWidget*) -> std::optional<long> {
        offered = current;
        return std::nullopt;
    });
    barc->SelectColour(CBarcDoc::clrSecFrm);
    EXPECT_EQ(offered, facility.count("center.mdb", "SELECT SecFrmClr FROM BarcodeTouch"));
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    CBarcPg::SetColourChooser([](long, QWidget*) -> std::optional<long> { return 0x0000FF; });
    barc->SelectColour(CBarcDoc::clrSecFrm);
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
    ASSERT_TRUE(sheet.Apply());
    CBarcPg::SetColourChooser(previous);
    EXPECT_EQ(facility.count("center.mdb", "SELECT SecFrmClr FROM BarcodeTouch"), 0x0000FF);
    // Pure red is red in the low byte of the stored value.
    EXPECT_EQ(CBarcPg::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(CBarcPg::FromQColor(QColor(1, 2, 3)), 0x030201);
}

TEST_F(Sheet, CoursesButtonOnAnEmptyRowWritesTheRowsAndExplains) {
    CAdminSheet sheet;
    sheet.SetActivePage(pgCate);
    auto* cate = static_cast<CCatePg*>(sheet.Page(pgCate));
    cate->NameEdit(1)->setText(QStringLiteral("SPIN"));
    cate->CoursesButton(3)->click();
    EXPECT_EQ(facility.notices().last(), CCateDoc::MsgNoCategory);
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Categories"), 2);
    EXPECT_EQ(sheet.CancelButton()->text(), QStringLiteral("Close"));
}

TEST_F(Sheet, EveryControlOfEveryPageFitsA1024By768Screen) {
    // The screen less a title bar and borders.
    const QSize usable = QSize(1024, 768) - QSize(8, 34);
    CAdminSheet sheet;
    for (int i = 0; i < sheet.PageCount(); ++i)
        EXPECT_TRUE(sheet.TabButton(i)->isVisibleTo(&sheet)) << i;
    ASSERT_LE(sheet.minimumSizeHint().width(), usable.width());
    ASSERT_LE(sheet.minimumSizeHint().height(), usable.height());
    sheet.show();
    EXPECT_LE(sheet.width(), usable.width());
    EXPECT_LE(sheet.height(), usable.height());
    // The tightest the window can be made.
    sheet.resize(sheet.minimumSizeHint());
    for (int i = 0; i < sheet.PageCount(); ++i) {
        sheet.SetActivePage(i);
        QApplication::processEvents();
        for (const QWidget* w : sheet.findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            const QRect r(w->mapTo(&sheet, QPoint(0, 0)), w->size());
            EXPECT_TRUE(sheet.rect().contains(r)) << i << " " << w->metaObject()->className();
        }
    }
}

TEST_F(Sheet, EveryPageAndDialogRendersWithItsFields) {
    // Screenshots land in VANTORA_ADMIN_SHOTS when it is set.
    const char* shots = std::getenv("VANTORA_ADMIN_SHOTS");
    auto grab = [shots](QWidget& w, const QString& name) {
        w.show();
        QApplication::processEvents();
        const QImage image = w.grab().toImage();
        // Something was drawn: not one colour all over.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = image.pixel(x, y) != image.pixel(0, 0);
        EXPECT_TRUE(drawn) << name.toStdString();
        if (shots) {
            EXPECT_TRUE(
                image.save(QDir(QString::fromUtf8(shots)).filePath(name + QStringLiteral(".png"))));
        }
    };
    // The controls a user types into, picks or presses, shown on a widget.
    auto fields = [](const QWidget& w) {
        int n = 0;
        for (const QWidget* c : w.findChildren<QWidget*>()) {
            const bool entry = qobject_cast<const QAbstractSpinBox*>(c) ||
                               qobject_cast<const QComboBox*>(c) ||
                               qobject_cast<const QAbstractButton*>(c) ||
                               (qobject_cast<const QLineEdit*>(c) &&
                                !qobject_cast<const QAbstractSpinBox*>(c->parent()));
            n += entry && c->isVisibleTo(&w);
        }
        return n;
    };
    // Profile: 8 texts and the state list; defaults: 8 choice pairs, 3
    // numbers, 2 lists; kiosk: 4 pairs, 3 numbers, 3 message lines, 5 colour
    // buttons; options: 13 names and abbreviations; categories: 6 names and
    // their buttons; minimums: 2; bonuses: 3 x 2; password: 1; About: none.
    const int expected[] = {9, 21, 19, 26, 12, 2, 6, 1, 0};
    CAdminSheet sheet;
    facility.notices().clear();
    for (int i = 0; i < sheet.PageCount(); ++i) {
        sheet.SetActivePage(i);
        EXPECT_EQ(fields(*sheet.Page(i)), expected[i]) << sheet.Page(i)->Title().toStdString();
        grab(sheet, QStringLiteral("admin_page%1").arg(i + 1));
    }
    // The two first-activation warnings, once each.
    EXPECT_EQ(facility.notices().count(), 2u);

    CCourDlg courses("FIT", 1, &sheet);
    EXPECT_EQ(courses.findChildren<QLineEdit*>().size(), 20);
    EXPECT_EQ(courses.NameEdit(0)->text(), QStringLiteral("FIT 101"));
    grab(courses, QStringLiteral("admin_courses"));
    CSecDlg sections("FIT", "FIT 101", 1, &sheet);
    EXPECT_EQ(sections.findChildren<QLineEdit*>().size(), 10);
    EXPECT_EQ(sections.NameEdit(0)->text(), QStringLiteral("01"));
    grab(sections, QStringLiteral("admin_sections"));
    CPassDlg password;
    EXPECT_EQ(password.PasswordEdit()->echoMode(), QLineEdit::Password);
    grab(password, QStringLiteral("admin_password"));
}

TEST_F(Sheet, CoursesDialogWritesBeforeOpeningSectionsAndNeedsAFilledRow) {
    CCourDlg courses("FIT", 1);
    courses.NameEdit(1)->setText(QStringLiteral("FIT 2"));
    courses.OpenSections(4);
    EXPECT_EQ(facility.notices().last(), CCourDoc::MsgNoCourse);
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Courses WHERE CatID = 1"), 2);
    courses.NameEdit(1)->clear();
    facility.notices().answer(notice::Answer::Ok);
    courses.accept();
    EXPECT_EQ(courses.result(), QDialog::Accepted);
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Courses WHERE CatID = 1"), 1);
}

TEST_F(Sheet, SectionsDialogOkWritesItsRowsAndClearEmptiesThem) {
    CSecDlg sections("FIT", "FIT 101", 1);
    sections.NameEdit(0)->setText(QStringLiteral("1A"));
    sections.NameEdit(1)->setText(QStringLiteral("1B"));
    sections.accept();
    EXPECT_EQ(sections.result(), QDialog::Accepted);
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Sections WHERE CourID = 1 AND "
                                           "Sec IN ('1A', '1B')"),
              2);
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Sections WHERE Sec = '01'"), 0);

    CSecDlg again("FIT", "FIT 101", 1);
    EXPECT_EQ(again.NameEdit(1)->text(), QStringLiteral("1B"));
    facility.notices().answer(notice::Answer::Yes);
    again.ClearSections();
    EXPECT_TRUE(again.NameEdit(0)->text().isEmpty());
    EXPECT_EQ(facility.count("center.mdb", "SELECT COUNT(*) FROM Sections WHERE CourID = 1"), 0);
}
