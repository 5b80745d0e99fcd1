#pragma once
// CMemberDeleteDlg: the confirmation before a member is deleted, with the
// member's name, ID, status and expiration and how much recorded data goes
// along.

#include <QDialog>

class CMemberDeletion;

class CMemberDeleteDlg : public QDialog {
    Q_OBJECT
public:
    CMemberDeleteDlg(const CMemberDeletion& deletion, QWidget* parent = nullptr);
};
