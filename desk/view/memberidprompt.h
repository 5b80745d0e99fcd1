#pragma once
// CMemberIdDlg: the Member ID prompt of every command that works on one
// member. The field takes digits only, at most nine; OK checks the number
// and, where asked, that the member exists, and stays open otherwise.

#include <QDialog>

class QLineEdit;

class CMemberIdDlg : public QDialog {
    Q_OBJECT
public:
    CMemberIdDlg(QWidget* parent, bool mustExist, bool allowZero = false);

    long MemberId() const;
    void SetMemberId(long id);

    // Shows the prompt; true with the ID on OK.
    static bool Ask(QWidget* parent, long& id, bool mustExist = true, bool allowZero = false);

    void accept() override;

private:
    QLineEdit* edit_;
    bool mustExist_;
    bool allowZero_;
};
