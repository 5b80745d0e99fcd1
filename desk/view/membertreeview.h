#pragma once
// CMemberTreeView: the left pane, the member tree over CMainViewTree. Members
// are drawn bold. A double-click on "Profile" or on a record leaf, and the
// Delete key on a member or a record, are passed on as signals for the
// editors; a right click shows the item's information as a tool tip.

#include "desk/core/membertree.h"

#include <QTreeView>

class CMemberTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit CMemberTreeView(CMainViewTree& model, QWidget* parent = nullptr);

    CMainViewTree& Model() const { return model_; }

Q_SIGNALS:
    // A double-click asked to edit the member ("Profile") or a record.
    void recordOpened(const CTreeRecord& record);
    // The Delete key asked to delete the member or a record.
    void recordDeleteRequested(const CTreeRecord& record);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CMainViewTree& model_;
    QString pendingTip_;
    QPoint pendingTipAt_;
};
