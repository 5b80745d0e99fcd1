#pragma once
// CFindMembersSheet: the "Find Members" sheet. Its pages Profile,
// Enrollment, Fitness Goals and Medical History write one set of search
// criteria; OK refuses a date range with one date only.

#include "desk/core/membersearch.h"
#include "desk/view/membersheet.h"

#include <QDialog>

class CClassBlockWidget;
class CMemberGoalsPg;
class CMemberMedHistPg;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;
class QTabWidget;

class CMemberFindPg : public QWidget {
    Q_OBJECT
public:
    explicit CMemberFindPg(QWidget* parent = nullptr);
    void ToValues(CMemberFindValues& v) const;

    QLineEdit *memberId, *barcode, *first, *last, *address, *city, *zip, *phone, *email, *physician;
    QComboBox* state;
    QSpinBox *lowerAge, *upperAge;
    CRadioPair sex, status, employee, release;
};

class CMemberEnrollFindPg : public QWidget {
    Q_OBJECT
public:
    explicit CMemberEnrollFindPg(QWidget* parent = nullptr);
    void ToValues(CMemberFindValues& v) const;

    QComboBox* period;
    CRadioPair incentive;
    QCheckBox *useEnrFrom, *useEnrTo, *useExpFrom, *useExpTo;
    QDateEdit *enrFrom, *enrTo, *expFrom, *expTo;
    CClassBlockWidget* block;
};

class CFindMembersSheet : public QDialog {
    Q_OBJECT
public:
    explicit CFindMembersSheet(QWidget* parent = nullptr);

    void accept() override;
    // The criteria after OK.
    const CMemberSearchData& SearchData() const { return data_; }

    CMemberFindPg* Profile() const { return profile_; }
    CMemberEnrollFindPg* Enrollment() const { return enroll_; }
    CMemberGoalsPg* Goals() const { return goals_; }
    CMemberMedHistPg* MedHistory() const { return medHist_; }
    QTabWidget* Tabs() const { return tabs_; }

private:
    QTabWidget* tabs_;
    CMemberFindPg* profile_;
    CMemberEnrollFindPg* enroll_;
    CMemberGoalsPg* goals_;
    CMemberMedHistPg* medHist_;
    CMemberSearchData data_;
};
