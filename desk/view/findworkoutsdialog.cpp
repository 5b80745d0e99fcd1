#include "desk/view/findworkoutsdialog.h"

#include "desk/view/dateconversion.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CFindWorkoutsDlg::CFindWorkoutsDlg(QWidget* parent, CFindWorkoutsCriteria& criteria)
    : QDialog(parent), criteria_(criteria) {
    setWindowTitle(QStringLiteral("Find Workouts"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Find workouts for display by setting the "
                                                "following search criteria and clicking on "
                                                "\"OK.\""),
                                 this));
    auto* okBox = new QGroupBox(QStringLiteral("Workout Okay"), this);
    auto* okLayout = new QVBoxLayout(okBox);
    all_ = new QRadioButton(QStringLiteral("All Workouts"), okBox);
    okay_ = new QRadioButton(QStringLiteral("Workouts Flagged as Okay"), okBox);
    notOkay_ = new QRadioButton(QStringLiteral("Workouts Flagged as Not Okay"), okBox);
    for (auto* b : {all_, okay_, notOkay_})
        okLayout->addWidget(b);
    layout->addWidget(okBox);

    auto* rangeBox = new QGroupBox(QStringLiteral("Date Range"), this);
    auto* range = new QGridLayout(rangeBox);
    from_ = new QDateEdit(rangeBox);
    to_ = new QDateEdit(rangeBox);
    for (auto* d : {from_, to_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    }
    from_->setObjectName(QStringLiteral("from"));
    to_->setObjectName(QStringLiteral("to"));
    range->addWidget(new QLabel(QStringLiteral("From:"), rangeBox), 0, 0);
    range->addWidget(from_, 0, 1);
    range->addWidget(new QLabel(QStringLiteral("To:"), rangeBox), 1, 0);
    range->addWidget(to_, 1, 1);
    layout->addWidget(rangeBox);

    auto* memberBox = new QGroupBox(QStringLiteral("Members"), this);
    auto* members = new QGridLayout(memberBox);
    allMembers_ = new QRadioButton(QStringLiteral("Workouts for All Members"), memberBox);
    oneMember_ = new QRadioButton(QStringLiteral("Workouts for One Member ID"), memberBox);
    memberId_ = new QLineEdit(memberBox);
    memberId_->setObjectName(QStringLiteral("memberId"));
    memberId_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    members->addWidget(allMembers_, 0, 0, 1, 2);
    members->addWidget(oneMember_, 1, 0);
    members->addWidget(memberId_, 1, 1);
    connect(oneMember_, &QRadioButton::toggled, memberId_, &QLineEdit::setEnabled);
    layout->addWidget(memberBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    (criteria.Okay == CDAOWk::okOK      ? okay_
     : criteria.Okay == CDAOWk::okNotOK ? notOkay_
                                        : all_)
        ->setChecked(true);
    from_->setDate(ToQDate(criteria.From));
    to_->setDate(ToQDate(criteria.To));
    (criteria.OneMember ? oneMember_ : allMembers_)->setChecked(true);
    memberId_->setEnabled(criteria.OneMember);
    if (criteria.MemberID > 0)
        memberId_->setText(QString::number(criteria.MemberID));
}

void CFindWorkoutsDlg::accept() {
    criteria_.Okay = okay_->isChecked()      ? CDAOWk::okOK
                     : notOkay_->isChecked() ? CDAOWk::okNotOK
                                             : CDAOWk::okAll;
    criteria_.From = FromQDate(from_->date());
    criteria_.To = FromQDate(to_->date());
    criteria_.OneMember = oneMember_->isChecked();
    criteria_.MemberID = memberId_->text().toLong();
    if (!criteria_.Validate()) {
        QWidget* focus[] = {from_, to_, memberId_};
        if (criteria_.Focus >= 0)
            focus[criteria_.Focus]->setFocus();
        return;
    }
    QDialog::accept();
}
