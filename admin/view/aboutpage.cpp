#include "admin/view/aboutpage.h"

#include <QLabel>
#include <QVBoxLayout>

CAboutPg::CAboutPg(QWidget* parent) : CAdminPage(QStringLiteral("About"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Vantora Administration"), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QString::fromUtf8(Version), this));
    layout->addSpacing(12);
    layout->addWidget(
        new QLabel(QStringLiteral("Copyright \u00A9 Brisamo. All rights reserved."), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Settings changed here take effect when the desk program\n"
                                  "and the check-in kiosk are next started."),
                   this));
    layout->addStretch();
}
