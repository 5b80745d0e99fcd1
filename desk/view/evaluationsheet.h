#pragma once
// CEvaluationSheet: the evaluation sheet with its five pages (Profile,
// Training Range, Fitness Tests, Body Composition, Work Weights). The pages
// copy their controls into the document; the calculator buttons and OK let
// the document do the work.

#include "desk/core/evaluationsheetdocument.h"

#include <QDialog>

#include <array>

class CSkinFoldPg;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QSpinBox;
class QTabWidget;

class CEvaluationSheet : public QDialog {
    Q_OBJECT
public:
    // The document has been activated (loaded).
    CEvaluationSheet(QWidget* parent, CEvaluationSheetDoc& doc);

    QTabWidget* Pages() const { return tabs_; }
    void accept() override;

private:
    QWidget* ProfilePage();
    QWidget* TrainingRangePage();
    QWidget* FitnessTestsPage();
    QWidget* WorkWeightsPage();
    void ShowDoc();
    void ToDoc();
    // Copies the controls, runs a calculator, shows the results.
    template <typename F> void Calculate(F&& calculate) {
        ToDoc();
        calculate();
        ShowDoc();
    }

    CEvaluationSheetDoc& doc_;
    QTabWidget* tabs_;
    // Profile
    QDateEdit* date_;
    QDoubleSpinBox* height_;
    QDoubleSpinBox* weight_;
    QComboBox* class_;
    QComboBox* activity_;
    // Training range
    QSpinBox* restingHR_;
    QSpinBox* systolic_;
    QSpinBox* diastolic_;
    QSpinBox* predictedMax_;
    QSpinBox* safeMax_;
    QSpinBox* upper_;
    QSpinBox* lower_;
    // Fitness tests
    QDoubleSpinBox* trunkFlex_;
    QSpinBox* sitUps_;
    QSpinBox* abCrunches_;
    QSpinBox* step_;
    QSpinBox* runMinutes_;
    QSpinBox* runSeconds_;
    QSpinBox* pulseRecovery_;
    // Skin folds
    CSkinFoldPg* skinFolds_;
    // Work weights
    std::array<QSpinBox*, CEvaluationSheetDoc::Stations> progLift_{};
    std::array<QSpinBox*, CEvaluationSheetDoc::Stations> workWeight_{};
};
