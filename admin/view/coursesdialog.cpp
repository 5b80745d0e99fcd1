#include "admin/view/coursesdialog.h"

#include "admin/view/sectionsdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCourDlg::CCourDlg(const std::string& category, long catId, QWidget* parent)
    : QDialog(parent), doc_(category, catId) {
    setWindowTitle(QStringLiteral("Courses"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromStdString(doc_.Frame()), this);
    auto* grid = new QGridLayout(frame);
    constexpr int half = CCourDoc::Rows / 2;
    for (int i = 0; i < CCourDoc::Rows; ++i) {
        name_[i] = new QLineEdit(frame);
        name_[i]->setMaxLength(CCourDoc::NameLimit);
        connect(name_[i], &QLineEdit::textEdited, this, [this] { doc_.SetModified(); });
        auto* sections = new QPushButton(QStringLiteral("Sections"), frame);
        connect(sections, &QPushButton::clicked, this, [this, i] { OpenSections(i); });
        const int column = (i / half) * 2;
        grid->addWidget(name_[i], i % half, column);
        grid->addWidget(sections, i % half, column + 1);
    }
    layout->addWidget(frame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* clear = buttons->addButton(QStringLiteral("Clear"), QDialogButtonBox::ActionRole);
    connect(clear, &QPushButton::clicked, this, &CCourDlg::ClearCourses);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCourDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCourDlg::reject);
    layout->addWidget(buttons);

    doc_.Activate();
    ShowDoc();
}

void CCourDlg::OpenSections(int row) {
    ToDoc();
    const std::optional<CCourDoc::Row> course = doc_.SectionsFor(row);
    ShowDoc();
    if (!course) {
        FocusRow(doc_.FocusField());
        return;
    }
    CSecDlg dialog(doc_.Category(), course->name, course->id, this);
    dialog.exec();
}

void CCourDlg::ClearCourses() {
    if (doc_.Clear()) {
        ShowDoc();
        FocusRow(0);
    }
}

void CCourDlg::accept() {
    ToDoc();
    if (!doc_.Apply()) {
        FocusRow(doc_.FocusField());
        return;
    }
    QDialog::accept();
}

void CCourDlg::ShowDoc() {
    for (int i = 0; i < CCourDoc::Rows; ++i)
        name_[i]->setText(QString::fromStdString(doc_.Cours[i].name));
}

void CCourDlg::ToDoc() {
    for (int i = 0; i < CCourDoc::Rows; ++i)
        doc_.Cours[i].name = name_[i]->text().toStdString();
}

void CCourDlg::FocusRow(int row) {
    if (row >= 0 && row < CCourDoc::Rows) {
        name_[row]->setFocus(Qt::OtherFocusReason);
        name_[row]->selectAll();
    }
}
