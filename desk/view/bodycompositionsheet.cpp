#include "desk/view/bodycompositionsheet.h"

#include "desk/view/dateconversion.h"
#include "desk/view/sheetfields.h"
#include "desk/view/skinfoldpage.h"

#include "db/daobodycomp.h"
#include "util/notice.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace deskfields;

CBodyCompMethodDlg::CBodyCompMethodDlg(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Body Composition Measurement Method"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Select a body composition measurement method."), this));
    for (unsigned char m = 0; m <= CDAOBodyComp::methodOther; ++m)
        list_->addItem(QString::fromLatin1(CDAOBodyComp::GetMethodStr(m)));
    list_->setObjectName(QStringLiteral("methods"));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int CBodyCompMethodDlg::Method() const {
    return list_->selectedItems().isEmpty() ? -1 : list_->currentRow();
}

void CBodyCompMethodDlg::accept() {
    if (Method() < 0) {
        vantora::notice::show(CBodyCompSheetDoc::MsgMethod, vantora::notice::Icon::Exclamation);
        return;
    }
    QDialog::accept();
}

namespace {

// Two exclusive unit choices beside a value.
QRadioButton* Units(QWidget* parent, QFormLayout* form, const QString& label, QWidget* value,
                    const QString& first, const QString& second, const QString& name) {
    auto* row = new QHBoxLayout;
    auto* a = new QRadioButton(first, parent);
    auto* b = new QRadioButton(second, parent);
    b->setObjectName(name);
    auto* group = new QButtonGroup(parent);
    group->addButton(a);
    group->addButton(b);
    a->setChecked(true);
    if (value)
        row->addWidget(value);
    row->addWidget(a);
    row->addWidget(b);
    row->addStretch();
    form->addRow(label, row);
    return b;
}

} // namespace

CBodyCompSheet::CBodyCompSheet(QWidget* parent, CBodyCompSheetDoc& doc)
    : QDialog(parent), doc_(doc), tabs_(new QTabWidget(this)) {
    setWindowTitle(QString::fromStdString(doc.Title()));
    auto* layout = new QVBoxLayout(this);
    tabs_->addTab(ProfilePage(), QStringLiteral("Profile"));
    tabs_->addTab(MethodPage(), QString::fromStdString(doc.MethodPageTitle()));
    layout->addWidget(tabs_);
    OkCancel(this, layout);
    ShowDoc();
}

QWidget* CBodyCompSheet::ProfilePage() {
    auto* page = new QWidget(tabs_);
    auto* form = new QFormLayout(page);
    date_ = Date(page, QStringLiteral("bodyCompDate"));
    form->addRow(QStringLiteral("Body Composition Date:"), date_);
    MemberRows(page, form, doc_.Member, height_, weight_);
    waist_ = Decimal(page, QStringLiteral("waist"), 1, 255);
    hip_ = Decimal(page, QStringLiteral("hip"), 1, 155);
    form->addRow(QStringLiteral("Waist Circumference (in):"), waist_);
    form->addRow(QStringLiteral("Hip Circumference (in):"), hip_);
    class_ = Classes(page, doc_.Member);
    form->addRow(QStringLiteral("Category, Course, Section:"), class_);
    activity_ = Activity(page);
    form->addRow(QStringLiteral("Current Activity Level:"), activity_);
    return page;
}

QWidget* CBodyCompSheet::MethodPage() {
    if (doc_.Method == CDAOBodyComp::methodSkinFold) {
        skinFolds_ = new CSkinFoldPg(tabs_, doc_.Member.Sex, [this] { Calculate(); });
        return skinFolds_;
    }
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const bool other = doc_.Method == CDAOBodyComp::methodOther;
    fat_ = Decimal(page, QStringLiteral("fatPercent"), other ? 1 : 0, 99, 2);
    if (doc_.Method == CDAOBodyComp::methodBodyMeasurement) {
        wrist_ = Decimal(page, QStringLiteral("wrist"), 1, 100);
        form->addRow(QStringLiteral("Wrist Circumference (in):"), wrist_);
    } else if (doc_.Method == CDAOBodyComp::methodHydrostatic) {
        waterTemp_ = Decimal(page, QStringLiteral("waterTemp"), 0, 98);
        wetWeight_ = Decimal(page, QStringLiteral("wetWeight"), 0, 1000, 2);
        tareWeight_ = Decimal(page, QStringLiteral("tareWeight"), 0, 1000, 2);
        celsius_ = Units(page, form, QStringLiteral("Water Temp:"), waterTemp_, QStringLiteral("F"),
                         QStringLiteral("C"), QStringLiteral("celsius"));
        wetKg_ = Units(page, form, QStringLiteral("Wet Weight:"), wetWeight_, QStringLiteral("lb"),
                       QStringLiteral("kg"), QStringLiteral("wetKg"));
        tareKg_ = Units(page, form, QStringLiteral("Tare Weight:"), tareWeight_,
                        QStringLiteral("lb"), QStringLiteral("kg"), QStringLiteral("tareKg"));
        brozek_ = Units(page, form, QStringLiteral("Calc Formula:"), nullptr,
                        QStringLiteral("Siri"), QStringLiteral("Brozek"), QStringLiteral("brozek"));
    }
    if (!other) {
        auto* button = new QPushButton(QStringLiteral("Calculate Body Fat Percentage"), page);
        button->setObjectName(QStringLiteral("calculateFat"));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, &CBodyCompSheet::Calculate);
        layout->addWidget(button);
    }
    auto* result = new QFormLayout;
    result->addRow(QStringLiteral("Body Fat Percentage:"), fat_);
    layout->addLayout(result);
    layout->addStretch();
    return page;
}

void CBodyCompSheet::Calculate() {
    ToDoc();
    doc_.CalculateBodyFat();
    ShowDoc();
}

void CBodyCompSheet::ShowDoc() {
    date_->setDate(ToQDate(doc_.BodyCompDate));
    height_->setValue(doc_.Height);
    weight_->setValue(doc_.Weight);
    waist_->setValue(doc_.Waist);
    hip_->setValue(doc_.Hip);
    class_->setCurrentIndex(doc_.Member.ChoiceOf(doc_.ClassIndx));
    activity_->setCurrentIndex(doc_.ActivityLevel);
    if (skinFolds_)
        skinFolds_->Show(doc_.SkinFolds, doc_.FatPercent);
    if (fat_)
        fat_->setValue(doc_.FatPercent);
    if (wrist_)
        wrist_->setValue(doc_.Wrist);
    if (waterTemp_) {
        waterTemp_->setValue(doc_.WaterTemp);
        celsius_->setChecked(doc_.Celsius);
        wetWeight_->setValue(doc_.WetWeight);
        wetKg_->setChecked(doc_.WetKilograms);
        tareWeight_->setValue(doc_.TareWeight);
        tareKg_->setChecked(doc_.TareKilograms);
        brozek_->setChecked(doc_.Brozek);
    }
}

void CBodyCompSheet::ToDoc() {
    const QDateTime taken = ToQDateTime(doc_.BodyCompDate);
    doc_.BodyCompDate = FromQDateTime(QDateTime(date_->date(), taken.time()));
    doc_.Height = height_->value();
    doc_.Weight = weight_->value();
    doc_.Waist = waist_->value();
    doc_.Hip = hip_->value();
    doc_.ClassIndx = ClassOf(class_);
    doc_.ActivityLevel = activity_->currentIndex();
    if (skinFolds_)
        skinFolds_->Collect(doc_.SkinFolds, doc_.FatPercent);
    if (fat_)
        doc_.FatPercent = fat_->value();
    if (wrist_)
        doc_.Wrist = wrist_->value();
    if (waterTemp_) {
        doc_.WaterTemp = waterTemp_->value();
        doc_.Celsius = celsius_->isChecked();
        doc_.WetWeight = wetWeight_->value();
        doc_.WetKilograms = wetKg_->isChecked();
        doc_.TareWeight = tareWeight_->value();
        doc_.TareKilograms = tareKg_->isChecked();
        doc_.Brozek = brozek_->isChecked();
    }
}

void CBodyCompSheet::accept() {
    ToDoc();
    if (!doc_.Apply()) {
        tabs_->setCurrentIndex(0);
        (doc_.FocusField() == CBodyCompSheetDoc::fldClass ? static_cast<QWidget*>(class_) : date_)
            ->setFocus();
        return;
    }
    QDialog::accept();
}
