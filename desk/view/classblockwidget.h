#pragma once
// CClassBlockWidget: a class chosen from the catalog with three cascading
// lists (choosing a category fills its courses, choosing a course its
// sections; each item carries its catalog id), and, where asked, the grade
// status, orientation bonus, re-eval and other bonuses and a delete button.
// Used by the member sheet, the member search and the class update.

#include <QGroupBox>

#include <string>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CClassBlockWidget : public QGroupBox {
    Q_OBJECT
public:
    enum part { Lists = 0, Details = 1, DeleteButton = 2 };
    CClassBlockWidget(const QString& title, int parts, QWidget* parent = nullptr,
                      const QString& deleteText = QString());

    // Selects the texts; a text the catalog lacks is offered as it is,
    // with catalog id 0.
    void SetClass(const std::string& category, const std::string& course,
                  const std::string& section);
    std::string Category() const;
    std::string Course() const;
    std::string Section() const;
    long CategoryId() const;

    void SetDetails(unsigned char grade, bool orient, int reEval, int other);
    unsigned char Grade() const;
    bool Orient() const;
    int ReEval() const;
    int Other() const;

    QComboBox* CategoryList() const { return category_; }
    QComboBox* CourseList() const { return course_; }
    QComboBox* SectionList() const { return section_; }
    QSpinBox* ReEvalSpin() const { return reEval_; }
    QSpinBox* OtherSpin() const { return other_; }
    QPushButton* DeleteClassButton() const { return delete_; }

Q_SIGNALS:
    void deleteClicked();

private:
    void FillCourses();
    void FillSections();
    static void Select(QComboBox* list, const std::string& text);

    QComboBox* category_;
    QComboBox* course_;
    QComboBox* section_;
    QComboBox* grade_ = nullptr;
    QRadioButton* orientYes_ = nullptr;
    QRadioButton* orientNo_ = nullptr;
    QSpinBox* reEval_ = nullptr;
    QSpinBox* other_ = nullptr;
    QPushButton* delete_ = nullptr;
};
