#include "desk/view/classselectiondialog.h"

#include "desk/core/reportrequest.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr int IdRole = Qt::UserRole;

void Fill(QListWidget* list, const std::vector<CCatalogItem>& items) {
    list->clear();
    for (const CCatalogItem& item : items) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.text), list);
        row->setData(IdRole, QVariant::fromValue(static_cast<qlonglong>(item.id)));
    }
}

long SelectedId(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr && item->isSelected()
               ? static_cast<long>(item->data(IdRole).toLongLong())
               : 0;
}

std::string SelectedText(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr && item->isSelected() ? item->text().toStdString() : std::string();
}

} // namespace

CClassSelectionDlg::CClassSelectionDlg(QWidget* parent)
    : QDialog(parent), categories_(new QListWidget(this)), courses_(new QListWidget(this)),
      sections_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Category/Course/Section"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(CClassSelection::Prompt), this), 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Category"), this), 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Course"), this), 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Section"), this), 1, 2);
    layout->addWidget(categories_, 2, 0);
    layout->addWidget(courses_, 2, 1);
    layout->addWidget(sections_, 2, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 3);
    categories_->setObjectName(QStringLiteral("categories"));
    courses_->setObjectName(QStringLiteral("courses"));
    sections_->setObjectName(QStringLiteral("sections"));
    Fill(categories_, CClassSelection::Categories());
    connect(categories_, &QListWidget::itemSelectionChanged, this,
            &CClassSelectionDlg::FillCourses);
    connect(courses_, &QListWidget::itemSelectionChanged, this, &CClassSelectionDlg::FillSections);
}

void CClassSelectionDlg::FillCourses() {
    Fill(courses_, CClassSelection::Courses(SelectedId(categories_)));
    sections_->clear();
}

void CClassSelectionDlg::FillSections() {
    Fill(sections_, CClassSelection::Sections(SelectedId(courses_)));
}

std::string CClassSelectionDlg::Category() const {
    return SelectedText(categories_);
}

std::string CClassSelectionDlg::Course() const {
    return SelectedText(courses_);
}

std::string CClassSelectionDlg::Section() const {
    return SelectedText(sections_);
}

void CClassSelectionDlg::accept() {
    if (CClassSelection::Check(SelectedId(categories_)))
        QDialog::accept();
}
