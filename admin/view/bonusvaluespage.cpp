#include "admin/view/bonusvaluespage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

CBonuPg::CBonuPg(QWidget* parent) : CAdminPage(QStringLiteral("Bonus Values"), parent) {
    const char* const titles[3] = {"Orientation Bonus", "Re-Evaluation Bonus", "Other Bonus"};
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        workouts_[i] = MakeSpin(0, 99);
        minutes_[i] = MakeSpin(0, 999);
        auto* box = new QGroupBox(QString::fromUtf8(titles[i]), this);
        auto* form = new QFormLayout(box);
        form->addRow(QStringLiteral("Workouts:"), workouts_[i]);
        form->addRow(QStringLiteral("Total Minutes:"), minutes_[i]);
        layout->addWidget(box);
    }
    layout->addStretch();
}

void CBonuPg::ShowDoc() {
    for (int i = 0; i < 3; ++i) {
        workouts_[i]->setValue(doc_.Values[i].workouts);
        minutes_[i]->setValue(doc_.Values[i].minutes);
    }
}

void CBonuPg::ToDoc() {
    for (int i = 0; i < 3; ++i)
        doc_.Values[i] = CBonuDoc::Worth{workouts_[i]->value(), minutes_[i]->value()};
}

void CBonuPg::FocusField(int field) {
    if (field >= 0 && field < 6)
        FocusOn(field % 2 == 0 ? workouts_[field / 2] : minutes_[field / 2]);
}
