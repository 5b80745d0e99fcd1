#include "desk/view/reportrequestdialogs.h"

#include "desk/view/classselectiondialog.h"
#include "desk/view/comparisondialog.h"
#include "desk/view/dateconversion.h"
#include "desk/view/memberclassdialog.h"
#include "desk/view/memberidprompt.h"
#include "desk/view/reportoptionsdialog.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

bool AskOptions(QWidget* parent, bool withWorkouts, CReportOptions& options) {
    CReportOptionsDlg dialog(parent, withWorkouts, options);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}

} // namespace

bool CDeskReportDialogs::MemberId(long& memberId) {
    return CMemberIdDlg::Ask(parent_, memberId, true);
}

bool CDeskReportDialogs::ShortOptions(CReportOptions& options) {
    return AskOptions(parent_, false, options);
}

bool CDeskReportDialogs::LongOptions(CReportOptions& options) {
    return AskOptions(parent_, true, options);
}

bool CDeskReportDialogs::ClassSelection(std::string& category, std::string& course,
                                        std::string& section) {
    CClassSelectionDlg dialog(parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    category = dialog.Category();
    course = dialog.Course();
    section = dialog.Section();
    return true;
}

bool CDeskReportDialogs::Date(CEFOleDateTime& date) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QStringLiteral("Date"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Enter or select a date."), &dialog));
    auto* edit = new QDateEdit(ToQDate(date), &dialog);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    date = FromQDate(edit->date());
    return true;
}

bool CDeskReportDialogs::MemberClass(const CMemberClassChoice& choice, int& row) {
    return CMemberClassDlg::Ask(parent_, choice, row);
}

bool CDeskReportDialogs::Comparison(const CComparisonChoice& choice,
                                    const std::vector<CEFOleDateTime>& dates, int& first,
                                    int& second) {
    CComparisonDlg dialog(parent_, choice, dates);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    first = dialog.First();
    second = dialog.Second();
    return true;
}
