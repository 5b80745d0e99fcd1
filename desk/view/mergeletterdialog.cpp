#include "desk/view/mergeletterdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

CTemplateListDlg::CTemplateListDlg(QWidget* parent, const std::vector<std::string>& names,
                                   int current)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Merge Letter Templates"));
    for (const std::string& name : names)
        list_->addItem(QString::fromStdString(name));
    if (current >= 0 && current < list_->count())
        list_->setCurrentRow(current);
    else if (list_->count() > 0)
        list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select a letter template."), this));
    layout->addWidget(list_);
    layout->addWidget(OkCancel(this));
}

int CTemplateListDlg::Selected() const {
    return list_->currentRow();
}

CTemplateNameDlg::CTemplateNameDlg(QWidget* parent, const std::string& name)
    : QDialog(parent), edit_(new QLineEdit(QString::fromStdString(name), this)) {
    setWindowTitle(QStringLiteral("Template Name"));
    edit_->setMaxLength(CLetterTemplates::MaxNameLength);
    edit_->selectAll();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter a new name for the template."), this));
    layout->addWidget(edit_);
    layout->addWidget(OkCancel(this));
}

std::string CTemplateNameDlg::Name() const {
    return edit_->text().trimmed().toStdString();
}

CMergeLetterDlg::CMergeLetterDlg(QWidget* parent, CMemberListDoc& list, QPrinter* printer,
                                 CProgress& progress)
    : QDialog(parent), list_(list), printer_(printer), progress_(progress),
      body_(new QPlainTextEdit(this)), blank_(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("Merge Letter"));
    auto* intro = new QLabel(QStringLiteral("Edit the main body of your letter below. Today's "
                                            "date, the member's address, and a salutation will "
                                            "be inserted when printing."),
                             this);
    intro->setWordWrap(true);
    body_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    blank_->setRange(0, CMergeLetter::MaxBlankLines);

    auto* blankRow = new QHBoxLayout;
    blankRow->addWidget(new QLabel(QStringLiteral("Number of Blank Lines at Top of Page:"), this));
    blankRow->addWidget(blank_);
    blankRow->addStretch();

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* text;
        void (CMergeLetterDlg::*slot)();
    } actions[] = {{"Test Print", &CMergeLetterDlg::TestPrint},
                   {"Print All", &CMergeLetterDlg::PrintAll},
                   {"Select Template", &CMergeLetterDlg::SelectTemplate},
                   {"Save Template", &CMergeLetterDlg::SaveTemplate}};
    for (const auto& a : actions) {
        auto* b = new QPushButton(QString::fromLatin1(a.text), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, a.slot);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(body_, 1);
    layout->addLayout(blankRow);
    layout->addLayout(buttons);
    resize(640, 480);
    // The choice of a template comes first, once the window is up.
    QTimer::singleShot(0, this, &CMergeLetterDlg::SelectTemplate);
}

void CMergeLetterDlg::SelectTemplate() {
    std::vector<std::string> names;
    if (!templates_.ReadNames(names))
        return;
    CTemplateListDlg dialog(this, names, template_);
    if (dialog.exec() != QDialog::Accepted || dialog.Selected() < 0)
        return;
    template_ = dialog.Selected();
    std::string body;
    const bool read = templates_.ReadBody(template_, body);
    // Emptying with setPlainText also clears the undo history.
    body_->setPlainText(QString());
    if (!read)
        return;
    QString text = QString::fromStdString(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    body_->setPlainText(text);
}

void CMergeLetterDlg::SaveTemplate() {
    templates_.Save(template_, body_->toPlainText().toStdString(), [this](std::string& name) {
        CTemplateNameDlg dialog(this, name);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        name = dialog.Name();
        return true;
    });
}

void CMergeLetterDlg::Print(bool test) {
    CMergeLetter letter;
    letter.BlankLines = blank_->value();
    letter.Body = body_->toPlainText().toStdString();
    letter.Print(list_, test, printer_, progress_);
}

void CMergeLetterDlg::TestPrint() {
    Print(true);
}

void CMergeLetterDlg::PrintAll() {
    Print(false);
}
