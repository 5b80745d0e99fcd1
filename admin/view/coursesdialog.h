#pragma once
// The "Courses" dialog: twenty course rows of one category, each with a
// "Sections" button; Clear, OK and Cancel.

#include "admin/core/coursesdocument.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class CCourDlg : public QDialog {
    Q_OBJECT
public:
    CCourDlg(const std::string& category, long catId, QWidget* parent = nullptr);
    CCourDoc& Document() { return doc_; }
    QLineEdit* NameEdit(int row) { return name_[row]; }

    // The buttons.
    void OpenSections(int row);
    void ClearCourses();
    void accept() override;

private:
    void ShowDoc();
    void ToDoc();
    void FocusRow(int row);

    CCourDoc doc_;
    QLineEdit* name_[CCourDoc::Rows];
};
