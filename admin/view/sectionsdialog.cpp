#include "admin/view/sectionsdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSecDlg::CSecDlg(const std::string& category, const std::string& course, long courId,
                 QWidget* parent)
    : QDialog(parent), doc_(category, course, courId) {
    setWindowTitle(QStringLiteral("Sections"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromStdString(doc_.Frame()), this);
    auto* grid = new QGridLayout(frame);
    constexpr int half = CSecDoc::Rows / 2;
    for (int i = 0; i < CSecDoc::Rows; ++i) {
        name_[i] = new QLineEdit(frame);
        name_[i]->setMaxLength(CSecDoc::NameLimit);
        grid->addWidget(name_[i], i % half, i / half);
    }
    layout->addWidget(frame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* clear = buttons->addButton(QStringLiteral("Clear"), QDialogButtonBox::ActionRole);
    connect(clear, &QPushButton::clicked, this, &CSecDlg::ClearSections);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSecDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSecDlg::reject);
    layout->addWidget(buttons);

    doc_.Activate();
    ShowDoc();
}

void CSecDlg::ClearSections() {
    if (doc_.Clear()) {
        ShowDoc();
        FocusRow(0);
    }
}

void CSecDlg::accept() {
    for (int i = 0; i < CSecDoc::Rows; ++i)
        doc_.Secs[i] = name_[i]->text().toStdString();
    if (!doc_.Apply()) {
        FocusRow(doc_.FocusField());
        return;
    }
    QDialog::accept();
}

void CSecDlg::ShowDoc() {
    for (int i = 0; i < CSecDoc::Rows; ++i)
        name_[i]->setText(QString::fromStdString(doc_.Secs[i]));
}

void CSecDlg::FocusRow(int row) {
    if (row >= 0 && row < CSecDoc::Rows) {
        name_[row]->setFocus(Qt::OtherFocusReason);
        name_[row]->selectAll();
    }
}
