#pragma once
// CMemberClassDlg: the "Member Class" choice of one member's classes, with
// "- All Classes -" first. OK needs a selection.

#include "desk/core/memberclasschoice.h"

#include <QDialog>

class QListWidget;

class CMemberClassDlg : public QDialog {
    Q_OBJECT
public:
    CMemberClassDlg(QWidget* parent, const CMemberClassChoice& choice, int row);
    // The chosen row of the choice's items.
    int Row() const;
    void accept() override;

    // Shows the dialog; true with the row on OK.
    static bool Ask(QWidget* parent, const CMemberClassChoice& choice, int& row);

private:
    const CMemberClassChoice& choice_;
    QListWidget* list_;
};
