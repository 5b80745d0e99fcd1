#include "desk/view/quickstatisticsdialog.h"

#include "util/notice.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QGroupBox* Counts(QWidget* parent, const QString& title,
                  std::initializer_list<std::pair<const char*, long>> rows) {
    auto* box = new QGroupBox(title, parent);
    auto* form = new QFormLayout(box);
    for (const auto& [label, value] : rows) {
        auto* number = new QLabel(QString::number(value), box);
        number->setObjectName(title + QString::fromLatin1(label));
        form->addRow(QString::fromLatin1(label), number);
    }
    return box;
}

} // namespace

CQuickStatisticsDlg::CQuickStatisticsDlg(QWidget* parent, const CQuickStatistics& counts)
    : QDialog(parent), list_(new QTreeWidget(this)), timer_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Quick Statistics"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QGridLayout;
    groups->addWidget(Counts(this, QStringLiteral("Members"),
                             {{"Total:", counts.MembersTotal},
                              {"Current:", counts.MembersCurrent()},
                              {"Past:", counts.MembersPast}}),
                      0, 0, 2, 1);
    groups->addWidget(Counts(this, QStringLiteral("Workouts"),
                             {{"Total:", counts.WorkoutsTotal}, {"Today:", counts.WorkoutsToday}}),
                      0, 1, 2, 1);
    groups->addWidget(
        Counts(this, QStringLiteral("Evaluations"), {{"Total:", counts.EvaluationsTotal}}), 0, 2);
    groups->addWidget(
        Counts(this, QStringLiteral("Body Comps"), {{"Total:", counts.BodyCompsTotal}}), 1, 2);
    layout->addLayout(groups);

    layout->addWidget(new QLabel(QStringLiteral("Members Who Are Currently Checked In"), this));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Name"), QStringLiteral("Min"),
                            QStringLiteral("ID #"), QStringLiteral("Workout #")});
    // The date column fits its date and time in the list's font.
    const int widths[] = {
        std::max(105,
                 list_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00 00:00:00")) + 16),
        125, 50, 70, 70};
    for (int c = 0; c < 5; ++c)
        list_->setColumnWidth(c, widths[c]);
    layout->addWidget(list_, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Ok);
    auto* remove = buttons->addButton(QStringLiteral("Delete"), QDialogButtonBox::RejectRole);
    remove->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CQuickStatisticsDlg::reject);
    layout->addWidget(buttons);

    timer_->setInterval(RefreshMs);
    connect(timer_, &QTimer::timeout, this, &CQuickStatisticsDlg::Refresh);
    Refresh();
    resize(500, 420);
}

void CQuickStatisticsDlg::Refresh() {
    timer_->stop();
    list_->clear();
    for (const auto& row : CQuickStatistics::CheckedInRows()) {
        auto* item = new QTreeWidgetItem(
            list_, {QString::fromStdString(row.Date), QString::fromStdString(row.Name),
                    QString::fromStdString(row.Minutes), QString::fromStdString(row.Id),
                    QString::fromStdString(row.Barcode)});
        item->setData(0, Qt::UserRole, qlonglong(row.MemberID));
    }
    if (list_->topLevelItemCount() > 0)
        list_->scrollToItem(list_->topLevelItem(list_->topLevelItemCount() - 1));
    timer_->start();
}

void CQuickStatisticsDlg::reject() {
    timer_->stop();
    const auto selected = list_->selectedItems();
    if (selected.isEmpty()) {
        vantora::notice::show(CQuickStatistics::DeleteHint, vantora::notice::Icon::Information);
    } else {
        const long memberId = selected.front()->data(0, Qt::UserRole).toLongLong();
        if (CQuickStatistics::DeleteCheckIn(memberId))
            Refresh();
    }
    timer_->start();
}
