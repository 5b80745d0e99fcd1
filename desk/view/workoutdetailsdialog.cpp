#include "desk/view/workoutdetailsdialog.h"

#include "desk/view/dateconversion.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QSpinBox* Spin(QWidget* parent, int high, const QString& name) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, high);
    spin->setObjectName(name);
    return spin;
}

} // namespace

CWorkoutDetailsDlg::CWorkoutDetailsDlg(QWidget* parent, CWorkoutDetailsDoc& doc)
    : QDialog(parent), doc_(doc) {
    setWindowTitle(QString::fromStdString(doc.Title()));
    auto* layout = new QVBoxLayout(this);

    auto* okBox = new QGroupBox(QStringLiteral("Workout Okay"), this);
    auto* okLayout = new QHBoxLayout(okBox);
    okYes_ = new QRadioButton(QStringLiteral("Yes"), okBox);
    okNo_ = new QRadioButton(QStringLiteral("No"), okBox);
    okYes_->setObjectName(QStringLiteral("okYes"));
    okNo_->setObjectName(QStringLiteral("okNo"));
    okLayout->addWidget(okYes_);
    okLayout->addWidget(okNo_);
    okLayout->addStretch();
    layout->addWidget(okBox);

    auto* form = new QFormLayout;
    auto dateTime = [this, form](const QString& label, const QString& name, QDateEdit*& date,
                                 QTimeEdit*& time) {
        date = new QDateEdit(this);
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        date->setObjectName(name + QStringLiteral("Date"));
        time = new QTimeEdit(this);
        time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        time->setObjectName(name + QStringLiteral("Time"));
        auto* row = new QHBoxLayout;
        row->addWidget(date);
        row->addWidget(time);
        form->addRow(label, row);
    };
    dateTime(QStringLiteral("Check In:"), QStringLiteral("checkIn"), inDate_, inTime_);
    dateTime(QStringLiteral("Check Out:"), QStringLiteral("checkOut"), outDate_, outTime_);
    circuits_ = Spin(this, 5, QStringLiteral("circuits"));
    circuitsLabel_ = new QLabel(QString::fromStdString(doc.Label(0)) + QLatin1Char(':'), this);
    form->addRow(circuitsLabel_, circuits_);
    class_ = new QComboBox(this);
    class_->setObjectName(QStringLiteral("classChoice"));
    for (const CClassChoice& c : doc.Member.Classes)
        class_->addItem(QString::fromStdString(c.Text), int(c.ClassIndx));
    form->addRow(QStringLiteral("Category, Course, Section:"), class_);
    layout->addLayout(form);

    // Options 1 to 6 down the left column, 7 to 12 down the right.
    options_ = new QGroupBox(QStringLiteral("Workout Options"), this);
    auto* grid = new QGridLayout(options_);
    values_[0] = circuits_;
    for (int i = 1; i < CWorkoutDetailsDoc::OptionCount; ++i) {
        auto* spin = Spin(options_, 999, QStringLiteral("option%1").arg(i));
        const int column = i <= 6 ? 0 : 2;
        const int row = (i - 1) % 6;
        auto* label = new QLabel(QString::fromStdString(doc.Label(i)), options_);
        grid->addWidget(label, row, column);
        grid->addWidget(spin, row, column + 1);
        // An option the facility has not named is left out.
        label->setVisible(!doc.Label(i).empty());
        spin->setVisible(!doc.Label(i).empty());
        values_[static_cast<std::size_t>(i)] = spin;
    }
    layout->addWidget(options_);
    const bool named = doc.ShowOptions();
    circuitsLabel_->setVisible(named);
    circuits_->setVisible(named);
    options_->setVisible(named);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ShowDoc();
}

void CWorkoutDetailsDlg::ShowDoc() {
    (doc_.WorkoutOK ? okYes_ : okNo_)->setChecked(true);
    inDate_->setDate(ToQDate(doc_.CheckIn));
    inTime_->setTime(ToQDateTime(doc_.CheckIn).time());
    outDate_->setDate(ToQDate(doc_.CheckOut));
    outTime_->setTime(ToQDateTime(doc_.CheckOut).time());
    class_->setCurrentIndex(doc_.Member.ChoiceOf(doc_.ClassIndx));
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setValue(doc_.Values[i]);
}

void CWorkoutDetailsDlg::ToDoc() {
    doc_.WorkoutOK = okYes_->isChecked();
    doc_.CheckIn = FromQDateTime(QDateTime(inDate_->date(), inTime_->time()));
    doc_.CheckOut = FromQDateTime(QDateTime(outDate_->date(), outTime_->time()));
    doc_.ClassIndx = class_->currentIndex() < 0 ? -1 : class_->currentData().toInt();
    for (std::size_t i = 0; i < values_.size(); ++i)
        doc_.Values[i] = values_[i]->value();
}

void CWorkoutDetailsDlg::FocusField(int field) {
    switch (field) {
    case CWorkoutDetailsDoc::fldCheckIn:
        inDate_->setFocus();
        break;
    case CWorkoutDetailsDoc::fldCheckOut:
        outDate_->setFocus();
        break;
    case CWorkoutDetailsDoc::fldClass:
        class_->setFocus();
        break;
    default:
        (doc_.WorkoutOK ? okYes_ : okNo_)->setFocus();
    }
}

void CWorkoutDetailsDlg::accept() {
    ToDoc();
    if (!doc_.Apply()) {
        // A "No" to a verification question switched the flag.
        (doc_.WorkoutOK ? okYes_ : okNo_)->setChecked(true);
        FocusField(doc_.FocusField());
        return;
    }
    QDialog::accept();
}
