#pragma once
// CReportOptionsDlg: the report options of the member lists (short form:
// member ID column and membership status) and of the workout summaries
// (long form: also all workouts or a date range).

#include "desk/core/reportrequest.h"

#include <QDialog>

class QDateEdit;
class QRadioButton;

class CReportOptionsDlg : public QDialog {
    Q_OBJECT
public:
    CReportOptionsDlg(QWidget* parent, bool withWorkouts, const CReportOptions& options);
    CReportOptions Options() const;
    void accept() override;

private:
    void UpdateRange();

    bool withWorkouts_;
    QRadioButton* idsYes_;
    QRadioButton* idsNo_;
    QRadioButton* all_;
    QRadioButton* current_;
    QRadioButton* past_;
    QRadioButton* allWorkouts_ = nullptr;
    QRadioButton* range_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
};
