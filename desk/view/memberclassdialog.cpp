#include "desk/view/memberclassdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CMemberClassDlg::CMemberClassDlg(QWidget* parent, const CMemberClassChoice& choice, int row)
    : QDialog(parent), choice_(choice), list_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(CMemberClassChoice::Title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(CMemberClassChoice::Prompt), this));
    for (const CMemberClassItem& item : choice.Items())
        list_->addItem(QString::fromStdString(item.text));
    list_->setCurrentRow(row);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int CMemberClassDlg::Row() const {
    return list_->selectedItems().isEmpty() ? -1 : list_->currentRow();
}

void CMemberClassDlg::accept() {
    if (choice_.Check(Row()))
        QDialog::accept();
}

bool CMemberClassDlg::Ask(QWidget* parent, const CMemberClassChoice& choice, int& row) {
    CMemberClassDlg dialog(parent, choice, row);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    row = dialog.Row();
    return true;
}
