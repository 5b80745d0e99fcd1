#pragma once
// The desk's answers to what backup, restore and deletion ask: the "Enter
// Password" dialog, the save and open file dialogs with the export filters,
// the Member ID prompt and the Delete dialog of Delete All.

#include "desk/core/recordprompts.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QWidget;

class CDeskRecordPrompts : public CRecordPrompts {
public:
    explicit CDeskRecordPrompts(QWidget* parent) : parent_(parent) {}

    std::optional<std::string> Password() override;
    std::string SaveFile() override;
    std::string OpenFile() override;
    std::optional<long> MemberId(bool mustExist) override;
    std::optional<long> DeleteChoice(RecordKind kind) override;

private:
    QWidget* parent_;
};

// "Delete": all members or one, with the member's ID; OK stays open while
// the ID names no member.
class CDeleteRecordsDlg : public QDialog {
    Q_OBJECT
public:
    CDeleteRecordsDlg(QWidget* parent, RecordKind kind);
    // 0 for all members.
    long MemberId() const;
    void accept() override;

private:
    QRadioButton* all_;
    QRadioButton* one_;
    QLineEdit* id_;
};
