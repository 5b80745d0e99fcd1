#include "desk/view/memberidprompt.h"

#include "desk/core/memberidcheck.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CMemberIdDlg::CMemberIdDlg(QWidget* parent, bool mustExist, bool allowZero)
    : QDialog(parent), edit_(new QLineEdit(this)), mustExist_(mustExist), allowZero_(allowZero) {
    setWindowTitle(QString::fromLatin1(CMemberIdCheck::Title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(CMemberIdCheck::Prompt), this));
    // Nine digits at most: a longer or non-numeric entry cannot be typed.
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), edit_));
    edit_->setObjectName(QStringLiteral("memberId"));
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

long CMemberIdDlg::MemberId() const {
    return edit_->text().isEmpty() ? -1 : edit_->text().toLong();
}

void CMemberIdDlg::SetMemberId(long id) {
    edit_->setText(QString::number(id));
}

void CMemberIdDlg::accept() {
    if (!CMemberIdCheck::Check(MemberId(), mustExist_, allowZero_)) {
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    QDialog::accept();
}

bool CMemberIdDlg::Ask(QWidget* parent, long& id, bool mustExist, bool allowZero) {
    CMemberIdDlg dialog(parent, mustExist, allowZero);
    if (id > 0)
        dialog.SetMemberId(id);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    id = dialog.MemberId();
    return true;
}
