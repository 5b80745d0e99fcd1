#pragma once
// The "Categories" page: six category rows, each with a "Courses/Sections"
// button that writes the rows and opens the courses dialog.

#include "admin/core/categoriesdocument.h"
#include "admin/view/adminpage.h"

class QPushButton;

class CCatePg : public CAdminPage {
    Q_OBJECT
public:
    explicit CCatePg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CCateDoc& Document() { return doc_; }
    QLineEdit* NameEdit(int row) { return name_[row]; }
    QPushButton* CoursesButton(int row) { return courses_[row]; }

    // The "Courses/Sections" button of a row.
    void OpenCourses(int row);

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    CCateDoc doc_;
    QLineEdit* name_[CCateDoc::Rows];
    QPushButton* courses_[CCateDoc::Rows];
};
