#include "desk/view/memberbulkdialogs.h"

#include "desk/view/classblockwidget.h"
#include "desk/view/dateconversion.h"
#include "desk/view/sheetfields.h"

#include "db/daodef.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDateEdit* DatePicker(QWidget* parent, const CEFOleDateTime& value) {
    QDateEdit* d = deskfields::Date(parent, QString());
    d->setDate(ToQDate(value));
    return d;
}

} // namespace

CUpdateClassDlg::CUpdateClassDlg(QWidget* parent)
    : QDialog(parent),
      block(new CClassBlockWidget(QStringLiteral("New Class"), CClassBlockWidget::Details, this)),
      transfer(CRadioPair::Make(this, QStringLiteral("Transfer"), QStringLiteral("Delete"))),
      values_(CMemberBulkUpdate::InitialClass()) {
    setWindowTitle(QStringLiteral("Update Class"));
    block->SetDetails(values_.gradeStatus, values_.orientBonus, values_.reEvalBonuses,
                      values_.otherBonuses);
    transfer.Set(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(block);
    auto* question = new QLabel(
        QStringLiteral("If a member has recorded workout, evaluation, and/or body composition "
                       "data, do you want to transfer these data to the new class or permanently "
                       "delete the data?"),
        this);
    question->setWordWrap(true);
    layout->addWidget(question);
    layout->addWidget(transfer.Row(this));
    deskfields::OkCancel(this, layout);
}

void CUpdateClassDlg::accept() {
    values_.category = block->Category();
    values_.course = block->Course();
    values_.section = block->Section();
    values_.categoryId = block->CategoryId();
    values_.gradeStatus = block->Grade();
    values_.orientBonus = block->Orient();
    values_.reEvalBonuses = block->ReEval();
    values_.otherBonuses = block->Other();
    values_.transfer = transfer.Value() != 0;
    if (CMemberBulkUpdate::CheckClass(values_))
        QDialog::accept();
    else
        block->CategoryList()->setFocus();
}

CUpdateEnrollDlg::CUpdateEnrollDlg(QWidget* parent)
    : QDialog(parent), values_(CMemberBulkUpdate::InitialEnroll()) {
    setWindowTitle(QStringLiteral("Update Enrollment"));
    enrollment = DatePicker(this, values_.enrollment);
    expiration = DatePicker(this, values_.expiration);
    period = new QComboBox(this);
    for (unsigned char p = 0; p <= CDAODef::enrWinter; ++p)
        period->addItem(QString::fromStdString(CDAODef::GetEnrPerStr(p)));
    period->setCurrentIndex(values_.period < period->count() ? values_.period : -1);
    incentive = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));
    incentive.Set(values_.incentiveClub != 0);
    status = CRadioPair::Make(this, QStringLiteral("Current"), QStringLiteral("Past"));
    status.Set(values_.status != 0);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Enrollment Date:"), enrollment);
    form->addRow(QStringLiteral("Expiration Date:"), expiration);
    form->addRow(QStringLiteral("Enrollment Period:"), period);
    form->addRow(QStringLiteral("Incentive Club:"), incentive.Row(this));
    form->addRow(QStringLiteral("Membership Status:"), status.Row(this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    deskfields::OkCancel(this, layout);
}

void CUpdateEnrollDlg::accept() {
    values_.enrollment = FromQDate(enrollment->date());
    values_.expiration = FromQDate(expiration->date());
    if (period->currentIndex() >= 0)
        values_.period = static_cast<unsigned char>(period->currentIndex());
    values_.incentiveClub = incentive.Value();
    values_.status = status.Value();
    if (CMemberBulkUpdate::CheckEnroll(values_))
        QDialog::accept();
    else
        expiration->setFocus();
}

CPostMessageDlg::CPostMessageDlg(QWidget* parent)
    : QDialog(parent), message(new QPlainTextEdit(this)),
      replaceBox(new QCheckBox(QStringLiteral("If any members already have a message, do you "
                                              "want to replace the existing message?"),
                               this)) {
    setWindowTitle(QStringLiteral("Post Message"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Workout Check-In Message for Members (Displayed Only Once):"), this));
    message->setMaximumHeight(80);
    layout->addWidget(message);
    layout->addWidget(replaceBox);
    deskfields::OkCancel(this, layout);
}

void CPostMessageDlg::accept() {
    text_ = message->toPlainText().toStdString();
    replace_ = replaceBox->isChecked();
    if (CMemberBulkUpdate::CheckMessage(text_))
        QDialog::accept();
    else
        message->setFocus();
}
