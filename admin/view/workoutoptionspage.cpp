#include "admin/view/workoutoptionspage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CStatPg::CStatPg(QWidget* parent) : CAdminPage(QStringLiteral("Workout Options"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Option 1 must always be the circuit option."), this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Option Name"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Abbreviation"), this), 0, 2);
    for (int i = 0; i < CStatDoc::Rows; ++i) {
        name_[i] = MakeEdit(CStatDoc::NameLimit);
        abbr_[i] = MakeEdit(CStatDoc::AbbrLimit);
        abbr_[i]->setMaximumWidth(80);
        grid->addWidget(new QLabel(QStringLiteral("%1.").arg(i + 1), this), i + 1, 0);
        grid->addWidget(name_[i], i + 1, 1);
        grid->addWidget(abbr_[i], i + 1, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();
}

void CStatPg::ShowDoc() {
    for (int i = 0; i < CStatDoc::Rows; ++i) {
        name_[i]->setText(QString::fromStdString(doc_.Options[i].name));
        abbr_[i]->setText(QString::fromStdString(doc_.Options[i].abbr));
    }
}

void CStatPg::ToDoc() {
    for (int i = 0; i < CStatDoc::Rows; ++i) {
        doc_.Options[i].name = name_[i]->text().toStdString();
        doc_.Options[i].abbr = abbr_[i]->text().toStdString();
    }
}

void CStatPg::FocusField(int field) {
    if (field >= 0 && field < CStatDoc::Rows)
        FocusOn(name_[field]);
    else if (field >= CStatDoc::AbbrField(0) && field < CStatDoc::AbbrField(CStatDoc::Rows))
        FocusOn(abbr_[field - CStatDoc::AbbrField(0)]);
}
