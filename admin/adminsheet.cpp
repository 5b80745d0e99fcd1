#include "adminsheet.h"

#include "aboutpg.h"
#include "barcpg.h"
#include "bonupg.h"
#include "catepg.h"
#include "defapg.h"
#include "forms/pagedoc.h"
#include "passpg.h"
#include "profpg.h"
#include "statpg.h"
#include "workpg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

CAdminSheet::CAdminSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(Title));
    tabs_ = new QTabWidget(this);
    tabs_->tabBar()->setUsesScrollButtons(false);
    tabs_->tabBar()->setExpanding(false);
    pages_ = {new CProfPg(this), new CDefaPg(this), new CBarcPg(this),
              new CStatPg(this), new CCatePg(this), new CWorkPg(this),
              new CBonuPg(this), new CPassPg(this), new CAboutPg(this)};
    for (CAdminPage* page : pages_) {
        tabs_->addTab(page, page->Title());
        connect(page, &CAdminPage::changed, this, [this] { apply_->setEnabled(true); });
        connect(page, &CAdminPage::written, this, &CAdminSheet::OnWritten);
    }

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    apply_ = buttons->addButton(QDialogButtonBox::Apply);
    apply_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &CAdminSheet::accept);
    connect(cancel_, &QPushButton::clicked, this, &CAdminSheet::reject);
    connect(apply_, &QPushButton::clicked, this, &CAdminSheet::Apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    connect(tabs_, &QTabWidget::currentChanged, this, &CAdminSheet::OnPageChanged);
    OnPageChanged(0);
}

void CAdminSheet::SetActivePage(int index) {
    tabs_->setCurrentIndex(index);
}

int CAdminSheet::ActivePage() const {
    return tabs_->currentIndex();
}

void CAdminSheet::OnPageChanged(int index) {
    if (index >= 0 && index < PageCount())
        pages_[std::size_t(index)]->Activate();
}

bool CAdminSheet::Apply() {
    for (CAdminPage* page : pages_) {
        CPageDoc* doc = page->Doc();
        if (!doc || !doc->Visited())
            continue;
        if (!page->Apply()) {
            if (tabs_->currentWidget() != page) {
                // Showing the page must not reload over what failed.
                doc->SetModified();
                tabs_->setCurrentWidget(page);
                page->FocusFailure();
            }
            return false;
        }
    }
    OnWritten();
    apply_->setEnabled(false);
    return true;
}

void CAdminSheet::accept() {
    if (Apply())
        QDialog::accept();
}

void CAdminSheet::OnWritten() {
    cancel_->setText(QStringLiteral("Close"));
}
