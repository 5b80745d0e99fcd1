#include "desk/view/memberlistdialog.h"

#include "desk/core/memberbulkupdate.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/progress.h"
#include "desk/core/recordbackup.h"
#include "desk/view/backupcommands.h"
#include "desk/view/memberbulkdialogs.h"
#include "desk/view/printcommands.h"

#include "db/daomem.h"
#include "util/notice.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace vantora;

namespace {

// The two row images: a green disc for a current, unexpired member, a grey
// one for a past or expired member.
QIcon RowImage(int image) {
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(image == CMemberListDoc::imgCurrent ? QColor(40, 160, 60) : QColor(150, 150, 150));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 10, 10);
    return QIcon(pm);
}

struct ColumnInfo {
    unsigned bit;
    const char* title;
    int width;
};
constexpr ColumnInfo Columns[] = {{CMemberListDoc::colName, "Name", 190},
                                  {CMemberListDoc::colId, "ID #", 70},
                                  {CMemberListDoc::colBarcode, "Workout #", 70},
                                  {CMemberListDoc::colStatus, "Status", 70},
                                  {CMemberListDoc::colExpiration, "Expiration", 65}};

} // namespace

CMemberListDialog::CMemberListDialog(CMemberListDoc& doc, Operations ops, QWidget* parent)
    : QDialog(parent), doc_(doc), ops_(std::move(ops)), list_(new QTreeWidget(this)),
      total_(new QLabel(this)) {
    setWindowTitle(QString::fromStdString(doc_.Title()));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformRowHeights(true);
    QStringList titles;
    for (const auto& c : Columns)
        titles << QString::fromLatin1(c.title);
    list_->setHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(std::size(Columns)); ++i) {
        list_->setColumnWidth(i, Columns[i].width * 4 / 3);
        list_->setColumnHidden(i, (doc_.Columns() & Columns[i].bit) == 0);
    }
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Edit(); });

    auto* legend = new QHBoxLayout;
    for (int image : {CMemberListDoc::imgCurrent, CMemberListDoc::imgPastOrExpired}) {
        auto* icon = new QLabel(this);
        icon->setPixmap(RowImage(image).pixmap(12, 12));
        legend->addWidget(icon);
        legend->addWidget(new QLabel(QString::fromLatin1(image == CMemberListDoc::imgCurrent
                                                             ? CMemberListDoc::LegendCurrent
                                                             : CMemberListDoc::LegendPast),
                                     this));
        legend->addSpacing(12);
    }
    legend->addStretch();
    legend->addWidget(new QLabel(QStringLiteral("Total Members Listed:"), this));
    legend->addWidget(total_);

    auto* buttons = new QGridLayout;
    const struct {
        const char* text;
        void (CMemberListDialog::*slot)();
    } active[] = {{"Edit", &CMemberListDialog::Edit},
                  {"Delete", &CMemberListDialog::Delete},
                  {"Update Class", &CMemberListDialog::UpdateClass},
                  {"Update Enroll", &CMemberListDialog::UpdateEnroll},
                  {"Post Message", &CMemberListDialog::PostMessage}};
    int n = 0;
    for (const auto& a : active) {
        auto* b = new QPushButton(QString::fromLatin1(a.text), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, a.slot);
        buttons->addWidget(b, n % 2, n / 2);
        ++n;
    }
    // Printing, backup and archive: the buttons get their operations below.
    for (const char* text : {"Merge Letter", "Mailing Labels", "Print", "Backup", "Archive"}) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setEnabled(false);
        buttons->addWidget(b, n % 2, n / 2);
        ++n;
    }
    const std::pair<const char*, void (*)(QWidget*, CMemberListDoc&)> printing[] = {
        {"Merge Letter", &CPrintCommands::MergeLetter},
        {"Mailing Labels", &CPrintCommands::MailingLabels},
        {"Print", &CPrintCommands::PrintMembers}};
    for (const auto& [text, print] : printing) {
        QPushButton* b = Button(QString::fromLatin1(text));
        b->setEnabled(true);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, print] { print(this, doc_); });
    }
    for (const int mode : {int(CRecordBackup::backup), int(CRecordBackup::archive)}) {
        QPushButton* b =
            Button(QString::fromLatin1(mode == CRecordBackup::backup ? "Backup" : "Archive"));
        b->setEnabled(true);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, mode] {
            if (CBackupCommands::BackupListed(this, doc_.Set(), mode) > 0 &&
                mode == CRecordBackup::archive)
                AfterChange();
        });
    }
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close, n % 2, n / 2);
    const bool byClass = doc_.ByClass();
    Button(QStringLiteral("Update Class"))->setEnabled(byClass);
    Button(QStringLiteral("Update Class"))
        ->setToolTip(QString::fromLatin1(CMemberListDoc::NoteUpdateClass));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(legend);
    if (!byClass)
        layout->addWidget(new QLabel(QString::fromLatin1(CMemberListDoc::NoteUpdateClass), this));
    layout->addLayout(buttons);
    resize(760, 480);
    Fill();
}

QPushButton* CMemberListDialog::Button(const QString& text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

void CMemberListDialog::Fill() {
    list_->clear();
    QList<QTreeWidgetItem*> items;
    const QIcon images[] = {RowImage(0), RowImage(1)};
    for (const auto& r : doc_.Rows()) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, QString::fromStdString(r.name));
        item->setIcon(0, images[r.image]);
        item->setText(1, QString::number(r.id));
        item->setText(2, QString::number(r.barcode));
        item->setText(3, QString::fromStdString(r.status));
        item->setText(4, QString::fromStdString(r.expiration));
        item->setData(0, Qt::UserRole, r.position);
        items << item;
    }
    list_->addTopLevelItems(items);
    total_->setText(QString::number(items.size()));
}

int CMemberListDialog::SelectedRow() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

void CMemberListDialog::AfterChange() {
    if (doc_.Requery())
        Fill();
    else
        reject();
}

void CMemberListDialog::Edit() {
    const int row = SelectedRow();
    if (row < 0 || !doc_.MoveTo(row)) {
        notice::show(CMemberListDoc::MsgSelectEdit, notice::Icon::Exclamation);
        return;
    }
    long id = doc_.Rows()[row].id;
    if (ops_.edit && ops_.edit(id))
        AfterChange();
}

void CMemberListDialog::Delete() {
    const int row = SelectedRow();
    if (row < 0 || !doc_.MoveTo(row)) {
        notice::show(CMemberListDoc::MsgSelectDelete, notice::Icon::Exclamation);
        return;
    }
    long id = doc_.Rows()[row].id;
    if (ops_.remove && ops_.remove(id, doc_.Rows()[row].expirationLong))
        AfterChange();
}

void CMemberListDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        Delete();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMemberListDialog::UpdateClass() {
    CUpdateClassDlg dlg(this);
    if (!doc_.ByClass() || dlg.exec() != QDialog::Accepted ||
        !CMemberBulkUpdate::Confirm(static_cast<int>(doc_.Rows().size())))
        return;
    CMemberBulkUpdate::UpdateClass(doc_.Rows(), dlg.Values(),
                                   ops_.progress ? *ops_.progress : CProgress::None(),
                                   ops_.classChanged);
    AfterChange();
}

void CMemberListDialog::UpdateEnroll() {
    CUpdateEnrollDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted ||
        !CMemberBulkUpdate::Confirm(static_cast<int>(doc_.Rows().size())))
        return;
    CMemberBulkUpdate::UpdateEnroll(doc_.Rows(), dlg.Values(),
                                    ops_.progress ? *ops_.progress : CProgress::None());
    AfterChange();
}

void CMemberListDialog::PostMessage() {
    CPostMessageDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted ||
        !CMemberBulkUpdate::Confirm(static_cast<int>(doc_.Rows().size())))
        return;
    CMemberBulkUpdate::PostMessage(doc_.Rows(), dlg.Text(), dlg.Replace(),
                                   ops_.progress ? *ops_.progress : CProgress::None());
}
