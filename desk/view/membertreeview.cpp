#include "desk/view/membertreeview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

// Member items in bold.
class CMemberItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(CMainViewTree::ValueRole).toLongLong() > 0)
            option->font.setBold(true);
    }
};

} // namespace

CMemberTreeView::CMemberTreeView(CMainViewTree& model, QWidget* parent)
    : QTreeView(parent), model_(model) {
    setModel(&model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setItemDelegate(new CMemberItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (index == model_.RootIndex())
            model_.RootCollapsed();
    });
}

void CMemberTreeView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        const CTreeRecord record = model_.Record(currentIndex());
        if (model_.MembersLoaded() && record.kind != CTreeRecord::None)
            Q_EMIT recordDeleteRequested(record);
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CMemberTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const CTreeRecord record = model_.Record(index);
    // A leaf opens its editor; members and folders expand or collapse as usual.
    if (record.kind == CTreeRecord::None || record.kind == CTreeRecord::Member) {
        QTreeView::mouseDoubleClickEvent(event);
        return;
    }
    setCurrentIndex(index);
    if (model_.MembersLoaded())
        Q_EMIT recordOpened(record);
}

void CMemberTreeView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (model_.Record(index).kind == CTreeRecord::None)
        return;
    setCurrentIndex(index);
    const std::string text = model_.InfoText(index);
    if (!text.empty())
        QToolTip::showText(viewport()->mapToGlobal(visualRect(index).bottomLeft()),
                           QString::fromStdString(text), this);
}
