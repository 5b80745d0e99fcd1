#include "desk/view/sheetfields.h"

#include "db/daobodycomp.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace deskfields {

QDateEdit* Date(QWidget* parent, const QString& name) {
    auto* date = new QDateEdit(parent);
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    date->setObjectName(name);
    return date;
}

QSpinBox* Whole(QWidget* parent, const QString& name, int low, int high) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    spin->setObjectName(name);
    return spin;
}

QDoubleSpinBox* Decimal(QWidget* parent, const QString& name, double low, double high,
                        int decimals) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(decimals);
    spin->setRange(low, high);
    spin->setObjectName(name);
    return spin;
}

QSpinBox* Result(QWidget* parent, const QString& name) {
    auto* spin = Whole(parent, name, -1000, 1000);
    spin->setReadOnly(true);
    spin->setButtonSymbols(QSpinBox::NoButtons);
    return spin;
}

QComboBox* Classes(QWidget* parent, const CMemberFacts& member) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("classChoice"));
    for (const CClassChoice& c : member.Classes)
        combo->addItem(QString::fromStdString(c.Text), int(c.ClassIndx));
    return combo;
}

QComboBox* Activity(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("activity"));
    for (unsigned char level = 0; level <= CDAOBodyComp::actTraining; ++level)
        combo->addItem(QString::fromLatin1(CDAOBodyComp::GetActLevelStr(level)));
    return combo;
}

int ClassOf(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

void MemberRows(QWidget* page, QFormLayout* form, const CMemberFacts& member,
                QDoubleSpinBox*& height, QDoubleSpinBox*& weight) {
    auto* age = new QLineEdit(QString::number(member.Age), page);
    auto* sex = new QLineEdit(QString::fromStdString(member.SexText()), page);
    for (auto* e : {age, sex})
        e->setReadOnly(true);
    form->addRow(QStringLiteral("Age:"), age);
    form->addRow(QStringLiteral("Sex:"), sex);
    height = Decimal(page, QStringLiteral("height"), 1, 90);
    weight = Decimal(page, QStringLiteral("weight"), 1, 500);
    form->addRow(QStringLiteral("Height (in):"), height);
    form->addRow(QStringLiteral("Weight (lbs):"), weight);
}

void OkCancel(QDialog* dialog, QBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace deskfields
