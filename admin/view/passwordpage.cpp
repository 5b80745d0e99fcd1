#include "admin/view/passwordpage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPassPg::CPassPg(QWidget* parent) : CAdminPage(QStringLiteral("Password"), parent) {
    password_ = MakeEdit(CPassDoc::Limit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("The password is case-sensitive: 1 to 8 characters."), this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Password:"), password_);
    layout->addLayout(form);
    layout->addStretch();
}

void CPassPg::ShowDoc() {
    password_->setText(QString::fromStdString(doc_.Password));
}

void CPassPg::ToDoc() {
    doc_.Password = password_->text().toStdString();
}

void CPassPg::FocusField(int) {
    FocusOn(password_);
}
