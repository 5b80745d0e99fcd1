#include "desk/view/membertreeview.h"

#include <QApplication>
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
    // A double-click opens an editor or does nothing; items fold through
    // their branch marks and the keyboard.
    setExpandsOnDoubleClick(false);
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
    // "Profile" and record leaves open their editor.
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
    const QString text = QString::fromStdString(model_.InfoText(index));
    const QPoint at = viewport()->mapToGlobal(visualRect(index).bottomLeft());
    // A tip shown while the right button is down would close on its release.
    if (event->reason() == QContextMenuEvent::Mouse &&
        QApplication::mouseButtons() != Qt::NoButton) {
        pendingTip_ = text;
        pendingTipAt_ = at;
        return;
    }
    if (!text.isEmpty())
        QToolTip::showText(at, text, this);
}

void CMemberTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && !pendingTip_.isEmpty())
        QToolTip::showText(pendingTipAt_, pendingTip_, this);
    pendingTip_.clear();
}
