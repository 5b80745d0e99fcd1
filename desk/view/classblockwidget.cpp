#include "desk/view/classblockwidget.h"

#include "desk/core/catalogchoices.h"

#include "db/daodef.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

void Fill(QComboBox* list, const std::vector<CCatalogChoices::Item>& items) {
    const QSignalBlocker block(list);
    list->clear();
    list->addItem(QString(), QVariant::fromValue(0L));
    for (const auto& item : items)
        list->addItem(QString::fromStdString(item.name), QVariant::fromValue(item.id));
}

long IdOf(const QComboBox* list) {
    return list->currentData().toLongLong();
}

} // namespace

CClassBlockWidget::CClassBlockWidget(const QString& title, int parts, QWidget* parent,
                                     const QString& deleteText)
    : QGroupBox(title, parent), category_(new QComboBox(this)), course_(new QComboBox(this)),
      section_(new QComboBox(this)) {
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Category:"), category_);
    form->addRow(QStringLiteral("Course:"), course_);
    form->addRow(QStringLiteral("Section:"), section_);
    Fill(category_, CCatalogChoices::Categories());
    Fill(course_, {});
    Fill(section_, {});
    connect(category_, &QComboBox::currentIndexChanged, this, [this] { FillCourses(); });
    connect(course_, &QComboBox::currentIndexChanged, this, [this] { FillSections(); });

    if (parts & Details) {
        grade_ = new QComboBox(this);
        for (unsigned char g = 0; g <= CDAODef::grdNoCredit; ++g)
            grade_->addItem(QString::fromStdString(CDAODef::GetGrdStatStr(g)));
        orientYes_ = new QRadioButton(QStringLiteral("Yes"), this);
        orientNo_ = new QRadioButton(QStringLiteral("No"), this);
        auto* group = new QButtonGroup(this);
        group->addButton(orientYes_);
        group->addButton(orientNo_);
        auto* orient = new QHBoxLayout;
        orient->addWidget(orientYes_);
        orient->addWidget(orientNo_);
        orient->addStretch();
        reEval_ = new QSpinBox(this);
        reEval_->setRange(0, 99);
        other_ = new QSpinBox(this);
        other_->setRange(0, 99);
        form->addRow(QStringLiteral("Orient Bonus:"), orient);
        form->addRow(QStringLiteral("Re-Eval Bonuses:"), reEval_);
        form->addRow(QStringLiteral("Other Bonuses:"), other_);
        form->addRow(QStringLiteral("Grade Status:"), grade_);
    }
    auto* row = new QHBoxLayout(this);
    row->addLayout(form, 1);
    if (parts & DeleteButton) {
        delete_ = new QPushButton(deleteText, this);
        connect(delete_, &QPushButton::clicked, this, &CClassBlockWidget::deleteClicked);
        row->addWidget(delete_, 0, Qt::AlignTop);
    }
}

void CClassBlockWidget::FillCourses() {
    Fill(course_, CCatalogChoices::Courses(IdOf(category_)));
    FillSections();
}

void CClassBlockWidget::FillSections() {
    Fill(section_, CCatalogChoices::Sections(IdOf(course_)));
}

void CClassBlockWidget::Select(QComboBox* list, const std::string& text) {
    const QString t = QString::fromStdString(text);
    int index = list->findText(t, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        list->addItem(t, QVariant::fromValue(0L));
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

void CClassBlockWidget::SetClass(const std::string& category, const std::string& course,
                                 const std::string& section) {
    Select(category_, category);
    FillCourses();
    Select(course_, course);
    FillSections();
    Select(section_, section);
}

std::string CClassBlockWidget::Category() const {
    return category_->currentText().toStdString();
}
std::string CClassBlockWidget::Course() const {
    return course_->currentText().toStdString();
}
std::string CClassBlockWidget::Section() const {
    return section_->currentText().toStdString();
}
long CClassBlockWidget::CategoryId() const {
    return IdOf(category_);
}

void CClassBlockWidget::SetDetails(unsigned char grade, bool orient, int reEval, int other) {
    if (!grade_)
        return;
    grade_->setCurrentIndex(grade < grade_->count() ? grade : -1);
    (orient ? orientYes_ : orientNo_)->setChecked(true);
    reEval_->setValue(reEval);
    other_->setValue(other);
}

unsigned char CClassBlockWidget::Grade() const {
    return grade_ && grade_->currentIndex() >= 0
               ? static_cast<unsigned char>(grade_->currentIndex())
               : 0;
}
bool CClassBlockWidget::Orient() const {
    return orientYes_ && orientYes_->isChecked();
}
int CClassBlockWidget::ReEval() const {
    return reEval_ ? reEval_->value() : 0;
}
int CClassBlockWidget::Other() const {
    return other_ ? other_->value() : 0;
}
