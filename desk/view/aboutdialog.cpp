#include "desk/view/aboutdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vantora"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Vantora"), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QString::fromLatin1(Version), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Fitness center management for the front desk"), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
