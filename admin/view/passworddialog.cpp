#include "admin/view/passworddialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPassDlg::CPassDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Enter Password"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Vantora Administration requires password verification."), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Please enter the password and click \"OK.\""), this));
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    layout->addWidget(password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    password_->setFocus();
}

std::string CPassDlg::Entry() const {
    return password_->text().toStdString();
}

std::optional<std::string> CPassDlg::Ask(QWidget* parent) {
    CPassDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Entry();
}
