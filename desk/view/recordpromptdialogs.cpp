#include "desk/view/recordpromptdialogs.h"

#include "desk/core/recorddeletion.h"
#include "desk/view/memberidprompt.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QString Filter() {
    return QString::fromLatin1(CRecordPrompts::FileFilter);
}

} // namespace

std::optional<std::string> CDeskRecordPrompts::Password() {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QStringLiteral("Enter Password"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QStringLiteral("This feature requires password verification."), &dialog));
    layout->addWidget(
        new QLabel(QStringLiteral("Please enter the password and click \"OK.\""), &dialog));
    auto* password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    layout->addWidget(password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    password->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return password->text().toStdString();
}

std::string CDeskRecordPrompts::SaveFile() {
    // No default name; an existing file is refused by the backup itself.
    QFileDialog dialog(parent_, QStringLiteral("Save As"), QString(), Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().toStdString();
}

std::string CDeskRecordPrompts::OpenFile() {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), QString(), Filter())
        .toStdString();
}

std::optional<long> CDeskRecordPrompts::MemberId(bool mustExist) {
    long id = 0;
    if (!CMemberIdDlg::Ask(parent_, id, mustExist))
        return std::nullopt;
    return id;
}

std::optional<long> CDeskRecordPrompts::DeleteChoice(RecordKind kind) {
    CDeleteRecordsDlg dialog(parent_, kind);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.MemberId();
}

CDeleteRecordsDlg::CDeleteRecordsDlg(QWidget* parent, RecordKind kind)
    : QDialog(parent), all_(new QRadioButton(QStringLiteral("Delete Records for All Members"))),
      one_(new QRadioButton(QStringLiteral("Delete Records for One Member Only"))),
      id_(new QLineEdit) {
    setWindowTitle(QString::fromStdString(CRecordDeletion::DialogTitle(kind)));
    auto* layout = new QVBoxLayout(this);
    auto* warning = new QGroupBox(QStringLiteral("Warning"), this);
    auto* lines = new QVBoxLayout(warning);
    for (const char* line : CRecordDeletion::WarningLines)
        lines->addWidget(new QLabel(QString::fromLatin1(line), warning));
    layout->addWidget(warning);
    layout->addWidget(all_);
    layout->addWidget(one_);
    auto* form = new QFormLayout;
    id_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), id_));
    form->addRow(QStringLiteral("Member ID #:"), id_);
    layout->addLayout(form);
    all_->setChecked(true);
    id_->setEnabled(false);
    connect(one_, &QRadioButton::toggled, id_, &QLineEdit::setEnabled);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

long CDeleteRecordsDlg::MemberId() const {
    return one_->isChecked() ? id_->text().toLong() : 0;
}

void CDeleteRecordsDlg::accept() {
    if (CRecordDeletion::CheckDeleteMember(MemberId()))
        QDialog::accept();
}
