#pragma once
// CFindWorkoutsDlg: the Find Workouts dialog: the flag, the date range and
// one or all members; OK keeps the dialog open until the criteria pass.

#include "desk/core/workoutlist.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QRadioButton;

class CFindWorkoutsDlg : public QDialog {
    Q_OBJECT
public:
    CFindWorkoutsDlg(QWidget* parent, CFindWorkoutsCriteria& criteria);
    void accept() override;

private:
    CFindWorkoutsCriteria& criteria_;
    QRadioButton* all_;
    QRadioButton* okay_;
    QRadioButton* notOkay_;
    QDateEdit* from_;
    QDateEdit* to_;
    QRadioButton* allMembers_;
    QRadioButton* oneMember_;
    QLineEdit* memberId_;
};
