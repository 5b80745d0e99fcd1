#pragma once
// CMemberSheet: the member sheet "Member ID %i" with its pages Profile,
// Enrollment, Fitness Goals and Medical History over a CMemberSheetDoc. The
// pages copy the document into their controls and back; OK has the
// document check and save, and a refused check shows its page with the
// cursor in the field.

#include <QDialog>

#include <array>

class CClassBlockWidget;
class CMemberGoalsPg;
class CMemberMedHistPg;
class CMemberSheetDoc;
class CProgress;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;

// Two exclusive choices, the first meaning 1.
struct CRadioPair {
    QRadioButton* first = nullptr;
    QRadioButton* second = nullptr;
    static CRadioPair Make(QWidget* parent, const QString& a, const QString& b);
    void Set(bool firstChosen) const;
    unsigned char Value() const;
    QWidget* Row(QWidget* parent) const;
};

class CMemberProfilePg : public QWidget {
    Q_OBJECT
public:
    explicit CMemberProfilePg(QWidget* parent = nullptr);
    void ShowDoc(const CMemberSheetDoc& doc);
    void ToDoc(CMemberSheetDoc& doc) const;
    QWidget* Field(int field) const;

    QLineEdit *memberId, *barcode, *first, *middle, *last, *address, *city, *zip, *phone, *email,
        *emerName, *emerPhone, *physician;
    QComboBox* state;
    QDateEdit* birthday;
    CRadioPair sex, status, employee, release;
    QPlainTextEdit* message;
};

class CMemberEnrollPg : public QWidget {
    Q_OBJECT
public:
    explicit CMemberEnrollPg(QWidget* parent = nullptr);
    void ShowDoc(const CMemberSheetDoc& doc);
    void ToDoc(CMemberSheetDoc& doc) const;
    // Shows one block of the document again (after its class was deleted).
    void ShowBlock(const CMemberSheetDoc& doc, int block);
    QWidget* Field(int field) const;

    QDateEdit *enrollment, *expiration;
    QComboBox* period;
    CRadioPair incentive;
    std::array<CClassBlockWidget*, 3> blocks;
};

class CMemberSheet : public QDialog {
    Q_OBJECT
public:
    // The document is loaded; the sheet shows it.
    CMemberSheet(CMemberSheetDoc& doc, QWidget* parent = nullptr);

    void accept() override;

    CMemberProfilePg* Profile() const { return profile_; }
    CMemberEnrollPg* Enrollment() const { return enroll_; }
    CMemberGoalsPg* Goals() const { return goals_; }
    CMemberMedHistPg* MedHistory() const { return medHist_; }
    QTabWidget* Tabs() const { return tabs_; }
    // Where the save shows its wait window.
    void SetProgress(CProgress* progress) { progress_ = progress; }

private:
    void DeleteClass(int block);

    CMemberSheetDoc& doc_;
    CProgress* progress_ = nullptr;
    QTabWidget* tabs_;
    CMemberProfilePg* profile_;
    CMemberEnrollPg* enroll_;
    CMemberGoalsPg* goals_;
    CMemberMedHistPg* medHist_;
};
