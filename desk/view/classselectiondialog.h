#pragma once
// CClassSelectionDlg: the category/course/section choice of the roster and
// class workout reports. A category is required; a course narrows it to one
// course, a section to one section of that course.

#include <QDialog>

#include <string>

class QListWidget;

class CClassSelectionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CClassSelectionDlg(QWidget* parent);

    std::string Category() const;
    std::string Course() const;
    std::string Section() const;
    void accept() override;

private:
    void FillCourses();
    void FillSections();

    QListWidget* categories_;
    QListWidget* courses_;
    QListWidget* sections_;
};
