#include "desk/view/comparisondialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace {

int Selected(const QListWidget* list) {
    return list->selectedItems().isEmpty() ? -1 : list->currentRow();
}

} // namespace

CComparisonDlg::CComparisonDlg(QWidget* parent, const CComparisonChoice& choice,
                               const std::vector<CEFOleDateTime>& dates)
    : QDialog(parent), choice_(choice), first_(new QListWidget(this)),
      second_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Comparison"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(choice.Prompt()), this), 0, 0, 1, 2);
    for (const CEFOleDateTime& date : dates) {
        const QString text = QString::fromStdString(date.DateTimeStrLongYear());
        first_->addItem(text);
        second_->addItem(text);
    }
    first_->setObjectName(QStringLiteral("first"));
    second_->setObjectName(QStringLiteral("second"));
    layout->addWidget(first_, 1, 0);
    layout->addWidget(second_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 2, 0, 1, 2);
}

int CComparisonDlg::First() const {
    return Selected(first_);
}

int CComparisonDlg::Second() const {
    return Selected(second_);
}

void CComparisonDlg::accept() {
    if (choice_.Check(First(), Second()))
        QDialog::accept();
}
