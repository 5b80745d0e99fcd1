#pragma once
// CWorkoutDetailsDlg: the Workout Details dialog. It shows its document,
// copies the controls back on OK and lets the document check, question and
// write; a refused OK keeps the dialog open with the cursor on the field.

#include "desk/core/workoutdetailsdocument.h"

#include <QDialog>

#include <array>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

class CWorkoutDetailsDlg : public QDialog {
    Q_OBJECT
public:
    // The document has been activated (loaded).
    CWorkoutDetailsDlg(QWidget* parent, CWorkoutDetailsDoc& doc);

    void accept() override;

private:
    void ShowDoc();
    void ToDoc();
    void FocusField(int field);

    CWorkoutDetailsDoc& doc_;
    QRadioButton* okYes_;
    QRadioButton* okNo_;
    QDateEdit* inDate_;
    QTimeEdit* inTime_;
    QDateEdit* outDate_;
    QTimeEdit* outTime_;
    QLabel* circuitsLabel_;
    QSpinBox* circuits_;
    QComboBox* class_;
    QGroupBox* options_;
    std::array<QSpinBox*, CWorkoutDetailsDoc::OptionCount> values_{};
};
