#pragma once
// The "Sections" dialog: ten section rows of one course; Clear, OK, Cancel.

#include "admin/core/sectionsdocument.h"

#include <QDialog>

class QLineEdit;

class CSecDlg : public QDialog {
    Q_OBJECT
public:
    CSecDlg(const std::string& category, const std::string& course, long courId,
            QWidget* parent = nullptr);
    CSecDoc& Document() { return doc_; }
    QLineEdit* NameEdit(int row) { return name_[row]; }

    void ClearSections();
    void accept() override;

private:
    void ShowDoc();
    void FocusRow(int row);

    CSecDoc doc_;
    QLineEdit* name_[CSecDoc::Rows];
};
