#include "desk/view/memberdeletedialog.h"

#include "desk/core/memberdeletion.h"
#include "desk/view/sheetfields.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CMemberDeleteDlg::CMemberDeleteDlg(const CMemberDeletion& d, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(CMemberDeletion::Title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(CMemberDeletion::Question), this));
    auto* form = new QFormLayout;
    auto line = [&](const char* label, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setReadOnly(true);
        form->addRow(QString::fromLatin1(label), e);
    };
    line("Member:", QString::fromStdString(d.Name()));
    line("ID #:", QString::number(d.MemberID()));
    line("Status:", QString::fromStdString(d.Status()));
    line("Expiration:", QString::fromStdString(d.Expiration()));
    layout->addLayout(form);
    layout->addWidget(new QLabel(QString::fromStdString(d.DataLine()), this));
    deskfields::OkCancel(this, layout);
}
