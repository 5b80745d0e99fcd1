#include "desk/view/printoptionsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

CPrintOptionsDlg::CPrintOptionsDlg(QWidget* parent, std::vector<CPrintOption> options, long mask)
    : QDialog(parent), options_(std::move(options)) {
    setWindowTitle(QStringLiteral("Print Options"));
    auto* group = new QGroupBox(QStringLiteral("Print these columns"), this);
    auto* boxes = new QVBoxLayout(group);
    for (const CPrintOption& o : options_) {
        auto* box = new QCheckBox(QString::fromStdString(o.Label), group);
        box->setChecked((mask & o.Bit) != 0);
        boxes->addWidget(box);
        boxes_.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrintOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

long CPrintOptionsDlg::Mask() const {
    long mask = 0;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i]->isChecked())
            mask |= options_[i].Bit;
    return mask;
}

void CPrintOptionsDlg::accept() {
    if (CListPrintout::CheckMask(Mask()))
        QDialog::accept();
}
