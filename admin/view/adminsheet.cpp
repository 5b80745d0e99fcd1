#include "admin/view/adminsheet.h"

#include "admin/view/aboutpage.h"
#include "admin/view/barcodetouchpage.h"
#include "admin/view/bonusvaluespage.h"
#include "admin/view/categoriespage.h"
#include "admin/view/dataentrydefaultspage.h"
#include "admin/view/facilityprofilepage.h"
#include "admin/view/passwordpage.h"
#include "admin/view/workoutoptionspage.h"
#include "admin/view/workoutverificationpage.h"
#include "forms/pagedoc.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

CAdminSheet::CAdminSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(Title));
    stack_ = new QStackedWidget(this);
    stack_->setFrameShape(QFrame::StyledPanel);
    tabs_ = new QButtonGroup(this);
    tabs_->setExclusive(true);
    auto* tabRows = new QGridLayout;
    tabRows->setSpacing(2);
    pages_ = {new CProfPg(this), new CDefaPg(this), new CBarcPg(this),
              new CStatPg(this), new CCatePg(this), new CWorkPg(this),
              new CBonuPg(this), new CPassPg(this), new CAboutPg(this)};
    for (int i = 0; i < PageCount(); ++i) {
        CAdminPage* page = pages_[std::size_t(i)];
        stack_->addWidget(page);
        auto* tab = new QPushButton(page->Title(), this);
        tab->setCheckable(true);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tabs_->addButton(tab, i);
        tabRows->addWidget(tab, i / TabsPerRow, i % TabsPerRow);
        connect(page, &CAdminPage::changed, this, [this] { apply_->setEnabled(true); });
        connect(page, &CAdminPage::written, this, &CAdminSheet::OnWritten);
    }
    connect(tabs_, &QButtonGroup::idClicked, stack_, &QStackedWidget::setCurrentIndex);
    // The keys that move between the tabs of a tab widget.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { StepPage(1); });
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { StepPage(-1); });

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    apply_ = buttons->addButton(QDialogButtonBox::Apply);
    apply_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &CAdminSheet::accept);
    connect(cancel_, &QPushButton::clicked, this, &CAdminSheet::reject);
    connect(apply_, &QPushButton::clicked, this, &CAdminSheet::Apply);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabRows);
    layout->addWidget(stack_);
    layout->addWidget(buttons);

    connect(stack_, &QStackedWidget::currentChanged, this, &CAdminSheet::OnPageChanged);
    OnPageChanged(0);
}

void CAdminSheet::SetActivePage(int index) {
    stack_->setCurrentIndex(index);
}

int CAdminSheet::ActivePage() const {
    return stack_->currentIndex();
}

QAbstractButton* CAdminSheet::TabButton(int index) const {
    return tabs_->button(index);
}

void CAdminSheet::StepPage(int step) {
    SetActivePage((ActivePage() + step + PageCount()) % PageCount());
}

void CAdminSheet::OnPageChanged(int index) {
    if (index < 0 || index >= PageCount())
        return;
    tabs_->button(index)->setChecked(true);
    pages_[std::size_t(index)]->Activate();
}

bool CAdminSheet::Apply() {
    for (CAdminPage* page : pages_) {
        CPageDoc* doc = page->Doc();
        if (!doc || !doc->Visited())
            continue;
        if (!page->Apply()) {
            if (stack_->currentWidget() != page) {
                // Showing the page must not reload over what failed.
                doc->SetModified();
                stack_->setCurrentWidget(page);
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
