// The workout, evaluation and body-composition windows through their widgets
// on the offscreen platform.

#include "desk/core/evaluationlist.h"
#include "desk/view/bodycompositionsheet.h"
#include "desk/view/evaluationsheet.h"
#include "desk/view/quickstatisticsdialog.h"
#include "desk/view/recordlistdialog.h"
#include "desk/view/workoutdetailsdialog.h"

#include "recordfixture.h"
#include "support/applicationenvironment.h"

#include "custom/circuit.h"
#include "db/daobodycomp.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace vantora::test;
using vantora::notice::Answer;

namespace {

[[maybe_unused]] ::testing::Environment* const appEnvironment =
    vantora::test::addApplicationEnvironment("desk_workout_gui_tests");

template <typename W> W* Find(QWidget* parent, const char* name) {
    auto* w = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class RecordSheets : public ::testing::Test, public RecordFacility {
protected:
    double Stored(const char* sql) { return facility.number("members.mdb", sql); }
};

TEST_F(RecordSheets, WorkoutDetailsLabelsItsOptionsAndSavesWhatWasEntered) {
    CWorkoutDetailsDoc hidden(Member, nullptr, {});
    ASSERT_TRUE(hidden.Activate());
    CWorkoutDetailsDlg bare(nullptr, hidden);
    EXPECT_TRUE(Find<QSpinBox>(&bare, "circuits")->isHidden());
    EXPECT_TRUE(Find<QSpinBox>(&bare, "option1")->parentWidget()->isHidden());

    CWorkoutDetailsDoc doc(Member, nullptr, {"Circuits", "Treadmill (min)"});
    ASSERT_TRUE(doc.Activate());
    CWorkoutDetailsDlg dialog(nullptr, doc);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Workout for Member ID 1001"));
    auto* option1 = Find<QSpinBox>(&dialog, "option1");
    EXPECT_FALSE(option1->isHidden());
    EXPECT_TRUE(Find<QSpinBox>(&dialog, "option2")->isHidden()); // no name
    Find<QTimeEdit>(&dialog, "checkInTime")->setTime(QTime(10, 0, 0));
    Find<QTimeEdit>(&dialog, "checkOutTime")->setTime(QTime(10, 45, 30));
    Find<QSpinBox>(&dialog, "circuits")->setValue(3);
    option1->setValue(25);
    Find<QComboBox>(&dialog, "classChoice")->setCurrentIndex(1);
    Find<QRadioButton>(&dialog, "okYes")->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << facility.notices()->last();
    EXPECT_EQ(Stored("SELECT count(*) FROM Workouts WHERE Station00 = 3 AND Station01 = 25 AND "
                     "ClassIndx = 1 AND WorkoutOK = 1"),
              1);
    EXPECT_NEAR(Stored("SELECT (CheckOut - CheckIn) * 86400 FROM Workouts"), 45 * 60 + 30, 0.01);
}

TEST_F(RecordSheets, EvaluationSheetCalculatesEnablesFoldsAndStoresTheRun) {
    CCircuit circuit;
    CEvaluationSheetDoc doc(Member, 0, circuit);
    ASSERT_TRUE(doc.Activate());
    CEvaluationSheet sheet(nullptr, doc);
    Find<QSpinBox>(&sheet, "restingHR")->setValue(60);
    Find<QPushButton>(&sheet, "calculateRange")->click();
    EXPECT_EQ(Find<QSpinBox>(&sheet, "predictedMax")->value(), 184);
    EXPECT_EQ(Find<QSpinBox>(&sheet, "safeMax")->value(), 159);

    Find<QRadioButton>(&sheet, "sites3")->setChecked(true);
    EXPECT_TRUE(Find<QDoubleSpinBox>(&sheet, "triceps")->isEnabled());
    EXPECT_FALSE(Find<QDoubleSpinBox>(&sheet, "chest")->isEnabled());
    Find<QRadioButton>(&sheet, "sites7")->setChecked(true);
    EXPECT_TRUE(Find<QDoubleSpinBox>(&sheet, "chest")->isEnabled());

    Find<QSpinBox>(&sheet, "runMinutes")->setValue(12);
    Find<QSpinBox>(&sheet, "runSeconds")->setValue(5);
    Find<QDoubleSpinBox>(&sheet, "height")->setValue(66);
    Find<QDoubleSpinBox>(&sheet, "weight")->setValue(140);
    Find<QComboBox>(&sheet, "classChoice")->setCurrentIndex(0);
    Find<QSpinBox>(&sheet, "progLift0")->setValue(5); // below the chest press's 10
    sheet.accept();
    EXPECT_EQ(facility.notices()->last(), "Error: Chest Press\nmust be in the range 10 to 300");
    EXPECT_EQ(sheet.Pages()->currentIndex(), CEvaluationSheetDoc::pgWorkWeights);
    Find<QSpinBox>(&sheet, "progLift0")->setValue(285);
    Find<QPushButton>(&sheet, "workWeights50")->click();
    EXPECT_EQ(Find<QSpinBox>(&sheet, "workWeight0")->value(), 140);
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted) << facility.notices()->last();
    EXPECT_EQ(Stored("SELECT Run FROM Evaluations"), 725);
    EXPECT_EQ(Stored("SELECT Station00 FROM Circuit"), 285);
}

TEST_F(RecordSheets, BodyCompositionSheetShowsTheMethodPageAndKeepsItsUnits) {
    CBodyCompMethodDlg methods(nullptr);
    methods.accept();
    EXPECT_EQ(facility.notices()->last(), "Error: select a measurement method");

    CBodyCompSheetDoc doc(Member, CDAOBodyComp::methodHydrostatic, nullptr);
    ASSERT_TRUE(doc.Activate());
    CBodyCompSheet sheet(nullptr, doc);
    EXPECT_EQ(sheet.Pages()->tabText(1), QStringLiteral("Hydrostatic Weighing"));
    Find<QDoubleSpinBox>(&sheet, "height")->setValue(65);
    Find<QDoubleSpinBox>(&sheet, "weight")->setValue(150);
    Find<QComboBox>(&sheet, "classChoice")->setCurrentIndex(0);
    Find<QDoubleSpinBox>(&sheet, "waterTemp")->setValue(35);
    Find<QRadioButton>(&sheet, "celsius")->setChecked(true);
    Find<QDoubleSpinBox>(&sheet, "wetWeight")->setValue(4);
    Find<QRadioButton>(&sheet, "wetKg")->setChecked(true);
    Find<QDoubleSpinBox>(&sheet, "tareWeight")->setValue(2);
    Find<QRadioButton>(&sheet, "tareKg")->setChecked(true);
    Find<QPushButton>(&sheet, "calculateFat")->click();
    EXPECT_GT(Find<QDoubleSpinBox>(&sheet, "fatPercent")->value(), 0);
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted) << facility.notices()->last();
    EXPECT_EQ(Stored("SELECT Flags FROM BodyComps"), CDAOBodyComp::unitH2OTemp |
                                                         CDAOBodyComp::unitWetWeight |
                                                         CDAOBodyComp::unitTareWeight);
}

TEST_F(RecordSheets, ListButtonsNeedARowAndTheLastDeletionClosesTheList) {
    CCircuit circuit;
    CEvaluationSheetDoc doc(Member, 0, circuit);
    ASSERT_TRUE(doc.Activate());
    doc.ClassIndx = 0;
    ASSERT_TRUE(doc.Apply());
    CEvaluationList list(circuit);
    ASSERT_EQ(list.QueryMember(Member, 101, "- All Classes -"), 1);
    CRecordListDlg dialog(nullptr, list);
    int analyzed = 0;
    dialog.SetAnalyze([&](int) { return ++analyzed, false; });
    dialog.SetDelete([&](int) {
        list.Set().DelCurrent();
        return true;
    });
    dialog.OnAnalyze();
    EXPECT_EQ(facility.notices()->last(), list.AnalyzeHint());
    EXPECT_EQ(analyzed, 0);
    dialog.View()->selectRow(0);
    dialog.OnAnalyze();
    EXPECT_EQ(analyzed, 1);
    dialog.OnDelete();
    EXPECT_EQ(facility.notices()->last(), "No further evaluation records are available.");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("SELECT count(*) FROM Circuit"), 0);
}

TEST_F(RecordSheets, QuickStatisticsEscapeAsksToDeleteTheSelectedCheckIn) {
    facility.exec("chkin.mdb", "INSERT INTO ChkIn (MemberID, Barcode, FirstName, LastName, "
                               "CheckIn, ClassIndx) VALUES (1001, 501001, 'Ann', 'Lee', " +
                                   std::to_string(double(CEFOleDateTime(2026, 12, 7, 11, 0, 0))) +
                                   ", 0)");
    CQuickStatistics counts;
    counts.Count();
    CQuickStatisticsDlg dialog(nullptr, counts);
    EXPECT_EQ(Find<QLabel>(&dialog, "MembersTotal:")->text(), QStringLiteral("1"));
    dialog.reject(); // nothing selected: the hint, the dialog stays
    EXPECT_EQ(facility.notices()->last(), CQuickStatistics::DeleteHint);
    dialog.CheckedIn()->setCurrentItem(dialog.CheckedIn()->topLevelItem(0));
    facility.notices()->answer(Answer::Yes);
    dialog.reject();
    EXPECT_EQ(facility.count("chkin.mdb", "SELECT count(*) FROM ChkIn"), 0);
    EXPECT_EQ(dialog.CheckedIn()->topLevelItem(0)->text(0), QStringLiteral("None Found"));
}

} // namespace
