#pragma once
// CQuickStatisticsDlg: the record counts of the facility, taken when the
// dialog opens, and the members who are checked in now, refreshed every 15
// seconds. "Delete" (and Esc) deletes the selected check-in; only OK closes.

#include "desk/core/quickstatistics.h"

#include <QDialog>

class QTimer;
class QTreeWidget;

class CQuickStatisticsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int RefreshMs = 15000;

    CQuickStatisticsDlg(QWidget* parent, const CQuickStatistics& counts);

    QTreeWidget* CheckedIn() const { return list_; }
    // Fills the checked-in list again.
    void Refresh();
    // The Delete button and the Esc key.
    void reject() override;

private:
    QTreeWidget* list_;
    QTimer* timer_;
};
