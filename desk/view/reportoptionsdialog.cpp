#include "desk/view/reportoptionsdialog.h"

#include "desk/view/dateconversion.h"
#include "util/notice.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* YesNo(QWidget* parent, const char* question, QRadioButton*& yes, QRadioButton*& no) {
    auto* box = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(box);
    auto* label = new QLabel(QString::fromLatin1(question), box);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    yes = new QRadioButton(QStringLiteral("&Yes"), box);
    no = new QRadioButton(QStringLiteral("&No"), box);
    auto* group = new QButtonGroup(box);
    group->addButton(yes);
    group->addButton(no);
    row->addWidget(yes);
    row->addWidget(no);
    row->addStretch();
    layout->addLayout(row);
    return box;
}

QDateEdit* DateField(QWidget* parent, const CEFOleDateTime& value) {
    auto* edit = new QDateEdit(ToQDate(value), parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    return edit;
}

} // namespace

CReportOptionsDlg::CReportOptionsDlg(QWidget* parent, bool withWorkouts,
                                     const CReportOptions& options)
    : QDialog(parent), withWorkouts_(withWorkouts) {
    setWindowTitle(QStringLiteral("Report Options"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        YesNo(this, "Do you want to include member ID #s in your report?", idsYes_, idsNo_));
    (options.includeIds ? idsYes_ : idsNo_)->setChecked(true);

    auto* status = new QGroupBox(this);
    auto* statusLayout = new QVBoxLayout(status);
    statusLayout->addWidget(new QLabel(QStringLiteral("Select a membership status."), status));
    all_ = new QRadioButton(QStringLiteral("&All Members"), status);
    current_ = new QRadioButton(QStringLiteral("&Current Members"), status);
    past_ = new QRadioButton(QStringLiteral("&Past Members"), status);
    for (QRadioButton* b : {all_, current_, past_})
        statusLayout->addWidget(b);
    (options.status == CReportOptions::CurrentMembers ? current_
     : options.status == CReportOptions::PastMembers  ? past_
                                                      : all_)
        ->setChecked(true);
    layout->addWidget(status);

    if (withWorkouts) {
        QGroupBox* box =
            YesNo(this, "Do you want to compile summaries of ALL workouts stored in the database?",
                  allWorkouts_, range_);
        auto* dates = new QFormLayout;
        from_ = DateField(box, options.from);
        to_ = DateField(box, options.to);
        dates->addRow(QStringLiteral("&From:"), from_);
        dates->addRow(QStringLiteral("&To:"), to_);
        static_cast<QVBoxLayout*>(box->layout())->addLayout(dates);
        (options.allWorkouts ? allWorkouts_ : range_)->setChecked(true);
        connect(allWorkouts_, &QRadioButton::toggled, this, &CReportOptionsDlg::UpdateRange);
        layout->addWidget(box);
        UpdateRange();
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CReportOptionsDlg::UpdateRange() {
    const bool range = !allWorkouts_->isChecked();
    from_->setEnabled(range);
    to_->setEnabled(range);
}

CReportOptions CReportOptionsDlg::Options() const {
    CReportOptions options;
    options.includeIds = idsYes_->isChecked();
    options.status = current_->isChecked() ? CReportOptions::CurrentMembers
                     : past_->isChecked()  ? CReportOptions::PastMembers
                                           : CReportOptions::AllMembers;
    if (withWorkouts_) {
        options.allWorkouts = allWorkouts_->isChecked();
        options.from = FromQDate(from_->date());
        options.to = FromQDate(to_->date());
    }
    return options;
}

void CReportOptionsDlg::accept() {
    if (withWorkouts_ && range_->isChecked() && to_->date() < from_->date()) {
        vantora::notice::show("Error: second date must be later than or equal to first date",
                              vantora::notice::Icon::Exclamation);
        to_->setFocus();
        return;
    }
    QDialog::accept();
}
