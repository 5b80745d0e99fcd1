// The member sheet through its widgets on the offscreen platform: a refused
// check shows its page, and a sheet filled by hand saves what was entered.

#include "desk/core/membersheetdocument.h"
#include "desk/view/classblockwidget.h"
#include "desk/view/memberflagpages.h"
#include "desk/view/membersheet.h"

#include "support/applicationenvironment.h"
#include "support/facility.h"
#include "support/memberdata.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace vantora::test;

namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    vantora::test::addApplicationEnvironment("desk_member_gui_tests");

void Choose(QComboBox* list, const char* text) {
    const int i = list->findText(QString::fromLatin1(text));
    ASSERT_GE(i, 0) << text;
    list->setCurrentIndex(i);
}

TEST(MemberSheetWindow, FilledByHandSavesWhatWasEntered) {
    Facility facility;
    CMemberSheetDoc doc(77, CDefaultClass{"FIT", "FIT 101", "01"});
    ASSERT_TRUE(doc.Activate());
    CMemberSheet sheet(doc);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Member ID 77"));
    EXPECT_EQ(sheet.Tabs()->count(), 4);

    CMemberProfilePg* p = sheet.Profile();
    p->barcode->setText(QStringLiteral("777"));
    p->last->setText(QStringLiteral("Fjeld"));
    sheet.Tabs()->setCurrentIndex(3);
    sheet.accept(); // no first name
    EXPECT_EQ(facility.notices().last(), "Error: enter first name");
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 0);
    EXPECT_EQ(sheet.result(), QDialog::Rejected);

    p->first->setText(QStringLiteral("Siri"));
    Choose(p->state, "NY");
    p->sex.second->setChecked(true);
    p->birthday->setDate(QDate(1985, 6, 30));
    p->message->setPlainText(QStringLiteral("Locker 12"));
    CMemberEnrollPg* e = sheet.Enrollment();
    EXPECT_EQ(e->blocks[0]->Category(), "FIT"); // the default class
    Choose(e->blocks[1]->CategoryList(), "FIT");
    Choose(e->blocks[1]->CourseList(), "FIT 101"); // filled by the category
    e->blocks[1]->ReEvalSpin()->setValue(3);
    sheet.Goals()->Box(1)->setChecked(true);
    sheet.MedHistory()->Box(20)->setChecked(true);
    sheet.accept();
    ASSERT_EQ(sheet.result(), QDialog::Accepted) << facility.notices().last();

    const MemberData m = readMember(77);
    EXPECT_EQ(m.barcode, 777);
    EXPECT_EQ(m.first, "Siri");
    EXPECT_EQ(m.state, "NY");
    EXPECT_EQ(m.sex, 0);
    EXPECT_EQ(m.birthday.DateStrLongYear(), "06/30/1985");
    EXPECT_EQ(m.goals, 2);
    EXPECT_EQ(m.medHistory, 0x100000);
    ASSERT_EQ(m.classes.size(), 2u);
    EXPECT_EQ(m.classes[0].section, "01");
    EXPECT_EQ(m.classes[1].course, "FIT 101");
    EXPECT_EQ(m.classes[1].section, "");
    EXPECT_EQ(m.classes[1].reEvaluation, 3);
    EXPECT_EQ(facility.text("members.mdb", "SELECT Msg FROM Messages WHERE MemberID = 77"),
              "Locker 12");
}

} // namespace
