#pragma once
// The dialogs of the Members list's bulk changes: "Update Class",
// "Update Enrollment" and "Post Message". Each starts from its values,
// checks them on OK and hands them back.

#include "desk/core/memberbulkupdate.h"
#include "desk/view/membersheet.h"

#include <QDialog>

class CClassBlockWidget;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QPlainTextEdit;

class CUpdateClassDlg : public QDialog {
    Q_OBJECT
public:
    explicit CUpdateClassDlg(QWidget* parent = nullptr);
    void accept() override;
    const CMemberBulkUpdate::ClassValues& Values() const { return values_; }

    CClassBlockWidget* block;
    CRadioPair transfer;

private:
    CMemberBulkUpdate::ClassValues values_;
};

class CUpdateEnrollDlg : public QDialog {
    Q_OBJECT
public:
    explicit CUpdateEnrollDlg(QWidget* parent = nullptr);
    void accept() override;
    const CMemberBulkUpdate::EnrollValues& Values() const { return values_; }

    QDateEdit *enrollment, *expiration;
    QComboBox* period;
    CRadioPair incentive, status;

private:
    CMemberBulkUpdate::EnrollValues values_;
};

class CPostMessageDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPostMessageDlg(QWidget* parent = nullptr);
    void accept() override;
    const std::string& Text() const { return text_; }
    bool Replace() const { return replace_; }

    QPlainTextEdit* message;
    QCheckBox* replaceBox;

private:
    std::string text_;
    bool replace_ = false;
};
