#include "admin/view/workoutverificationpage.h"

#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

CWorkPg::CWorkPg(QWidget* parent) : CAdminPage(QStringLiteral("Workout Verification"), parent) {
    circuits_ = MakeSpin(0, 9);
    minutes_ = MakeSpin(0, 60);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Minimum Circuits per Workout:"), circuits_);
    form->addRow(QStringLiteral("Minimum Total Minutes per Workout:"), minutes_);
    layout->addLayout(form);
    layout->addStretch();
}

void CWorkPg::ShowDoc() {
    circuits_->setValue(doc_.WkMinCirc);
    minutes_->setValue(doc_.WkMinMin);
}

void CWorkPg::ToDoc() {
    doc_.WkMinCirc = circuits_->value();
    doc_.WkMinMin = minutes_->value();
}

void CWorkPg::FocusField(int field) {
    FocusOn(field == CWorkDoc::fldMinMin ? minutes_ : circuits_);
}
