#include "desk/view/recordlistdialog.h"

#include "desk/core/recordbackup.h"
#include "desk/core/recordlist.h"
#include "desk/view/backupcommands.h"
#include "desk/view/printcommands.h"
#include "util/notice.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

// The rows of the list, read cell by cell from the core list as the view
// paints them, so a long list shows at once.
class CRecordListModel : public QAbstractTableModel {
public:
    explicit CRecordListModel(CRecordList& list, QObject* parent)
        : QAbstractTableModel(parent), list_(list) {
        Reset();
    }
    void Reset() {
        beginResetModel();
        columns_ = list_.Columns();
        shown_ = list_.Shown();
        endResetModel();
    }
    // The column's width, widened so that its heading shows whole.
    int Width(int column, const QFontMetrics& metrics) const {
        const CListColumn& c =
            columns_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(column)])];
        return std::max(c.Width, metrics.horizontalAdvance(QString::fromStdString(c.Title)) + 16);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : list_.Count();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return QString::fromStdString(
                list_.Cell(index.row(), shown_[static_cast<std::size_t>(index.column())]));
        if (role == Qt::DecorationRole && index.column() == 0) {
            const int image = list_.Image(index.row());
            return image < 0 ? QVariant() : QVariant(CRecordListDlg::Image(image));
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return QString::fromStdString(
            columns_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(section)])].Title);
    }

private:
    CRecordList& list_;
    std::vector<CListColumn> columns_;
    std::vector<int> shown_;
};

QIcon CRecordListDlg::Image(int index) {
    QStyle* style = QApplication::style();
    return style->standardIcon(index == 0 ? QStyle::SP_DialogCancelButton
                                          : QStyle::SP_DialogApplyButton);
}

CRecordListDlg::CRecordListDlg(QWidget* parent, CRecordList& list, std::vector<QString> legend)
    : QDialog(parent), list_(list), model_(new CRecordListModel(list, this)),
      view_(new QTableView(this)), count_(new QLabel(this)) {
    setWindowTitle(QString::fromStdString(list.Title));
    auto* layout = new QVBoxLayout(this);
    view_->setModel(model_);
    view_->setObjectName(QStringLiteral("records"));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    for (int c = 0; c < model_->columnCount(); ++c)
        view_->setColumnWidth(c, model_->Width(c, view_->fontMetrics()));
    connect(view_, &QTableView::doubleClicked, this, &CRecordListDlg::OnEdit);
    layout->addWidget(view_, 1);

    auto* info = new QHBoxLayout;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        auto* icon = new QLabel(this);
        icon->setPixmap(Image(static_cast<int>(i)).pixmap(16, 16));
        info->addWidget(icon);
        info->addWidget(new QLabel(legend[i], this));
        info->addSpacing(12);
    }
    info->addStretch();
    info->addWidget(new QLabel(QString::fromStdString(list.CountLabel()), this));
    count_->setObjectName(QStringLiteral("count"));
    info->addWidget(count_);
    layout->addLayout(info);

    auto* buttons = new QHBoxLayout;
    auto add = [this, buttons](const QString& text, bool enabled) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        button->setEnabled(enabled);
        buttons->addWidget(button);
        return button;
    };
    connect(add(QStringLiteral("Edit"), true), &QPushButton::clicked, this,
            &CRecordListDlg::OnEdit);
    connect(add(QStringLiteral("Delete"), true), &QPushButton::clicked, this,
            &CRecordListDlg::OnDelete);
    connect(add(QStringLiteral("Delete All"), true), &QPushButton::clicked, this, [this] {
        if (CBackupCommands::DeleteListed(this, list_.Set()) > 0)
            Refill();
    });
    analyze_ = add(QStringLiteral("Analyze"), true);
    analyze_->setVisible(false);
    connect(analyze_, &QPushButton::clicked, this, &CRecordListDlg::OnAnalyze);
    connect(add(QStringLiteral("Print"), true), &QPushButton::clicked, this,
            [this] { CPrintCommands::PrintRecords(this, list_); });
    connect(add(QStringLiteral("Backup"), true), &QPushButton::clicked, this,
            [this] { CBackupCommands::BackupListed(this, list_.Set(), CRecordBackup::backup); });
    connect(add(QStringLiteral("Archive"), true), &QPushButton::clicked, this, [this] {
        if (CBackupCommands::BackupListed(this, list_.Set(), CRecordBackup::archive) > 0)
            Refill();
    });
    buttons->addStretch();
    connect(add(QStringLiteral("Close"), true), &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(buttons);

    count_->setNum(list.Count());
    resize(760, 420);
}

CRecordListDlg::~CRecordListDlg() = default;

void CRecordListDlg::SetAnalyze(Action action) {
    analyzeAction_ = std::move(action);
    analyze_->setVisible(true);
}

int CRecordListDlg::Selected(const std::string& hint) const {
    const auto rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        vantora::notice::show(hint, vantora::notice::Icon::Information);
        return -1;
    }
    return rows.front().row();
}

void CRecordListDlg::Run(const Action& action, const std::string& hint) {
    const int row = Selected(hint);
    if (row < 0 || !action || !list_.Move(row))
        return;
    if (action(row))
        Refill();
}

void CRecordListDlg::Refill() {
    if (list_.Refill() == 0) {
        vantora::notice::show(list_.NoFurtherRecords(), vantora::notice::Icon::Information);
        accept();
        return;
    }
    model_->Reset();
    for (int c = 0; c < model_->columnCount(); ++c)
        view_->setColumnWidth(c, model_->Width(c, view_->fontMetrics()));
    count_->setNum(list_.Count());
}

void CRecordListDlg::OnEdit() {
    Run(edit_, list_.EditHint());
}

void CRecordListDlg::OnDelete() {
    Run(delete_, list_.DeleteHint());
}

void CRecordListDlg::OnAnalyze() {
    const int row = Selected(list_.AnalyzeHint());
    if (row >= 0 && analyzeAction_)
        analyzeAction_(row);
}

void CRecordListDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        OnDelete();
        return;
    }
    QDialog::keyPressEvent(event);
}
