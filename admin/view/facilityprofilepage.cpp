#include "admin/view/facilityprofilepage.h"

#include "util/stateabbrev.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CProfPg::CProfPg(QWidget* parent) : CAdminPage(QStringLiteral("Facility Profile"), parent) {
    name_ = MakeEdit(CProfDoc::NameLimit);
    addr0_ = MakeEdit(CProfDoc::AddrLimit);
    addr1_ = MakeEdit(CProfDoc::AddrLimit);
    city_ = MakeEdit(CProfDoc::CityLimit);
    state_ = new QComboBox(this);
    zip_ = MakeEdit(CProfDoc::ZipLimit);
    phone_ = MakeEdit(CProfDoc::PhoneLimit);
    web_ = MakeEdit(CProfDoc::WebLimit);
    email_ = MakeEdit(CProfDoc::EmailLimit);

    const CStateAbbrev states;
    state_->addItem(QString());
    for (int i = 0; i < states.GetNumAbbrev(); ++i)
        state_->addItem(QString::fromStdString(states.GetStAbbrev(i)));
    Watch(state_);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Enter your facility's name, address, phone, web site, and email address."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), name_);
    form->addRow(QStringLiteral("Address 1:"), addr0_);
    form->addRow(QStringLiteral("Address 2:"), addr1_);
    form->addRow(QStringLiteral("City:"), city_);
    form->addRow(QStringLiteral("State:"), state_);
    form->addRow(QStringLiteral("Zip:"), zip_);
    form->addRow(QStringLiteral("Phone:"), phone_);
    form->addRow(QStringLiteral("Web Site:"), web_);
    form->addRow(QStringLiteral("Email:"), email_);
    layout->addLayout(form);
    layout->addStretch();
}

void CProfPg::ShowDoc() {
    name_->setText(QString::fromStdString(doc_.Name));
    addr0_->setText(QString::fromStdString(doc_.Addr0));
    addr1_->setText(QString::fromStdString(doc_.Addr1));
    city_->setText(QString::fromStdString(doc_.City));
    // The state is selected by its text; a stored value that is not in the
    // list is offered as it is, so that applying never loses it.
    const QString st = QString::fromStdString(doc_.St);
    int index = state_->findText(st);
    if (index < 0) {
        state_->addItem(st);
        index = state_->count() - 1;
    }
    state_->setCurrentIndex(index);
    zip_->setText(QString::fromStdString(doc_.Zip));
    phone_->setText(QString::fromStdString(doc_.Phone));
    web_->setText(QString::fromStdString(doc_.Web));
    email_->setText(QString::fromStdString(doc_.Email));
}

void CProfPg::ToDoc() {
    doc_.Name = name_->text().toStdString();
    doc_.Addr0 = addr0_->text().toStdString();
    doc_.Addr1 = addr1_->text().toStdString();
    doc_.City = city_->text().toStdString();
    doc_.St = state_->currentText().toStdString();
    doc_.Zip = zip_->text().toStdString();
    doc_.Phone = phone_->text().toStdString();
    doc_.Web = web_->text().toStdString();
    doc_.Email = email_->text().toStdString();
}

void CProfPg::FocusField(int field) {
    QWidget* const fields[] = {name_, addr0_, addr1_, city_, state_, zip_, phone_, web_, email_};
    if (field >= 0 && field < int(std::size(fields)))
        FocusOn(fields[field]);
}
