#pragma once
// CComparisonDlg: two lists of one member's evaluation or body-composition
// dates; one date is picked in each for the comparison reports.

#include "desk/core/reportrequest.h"

#include <QDialog>

class QListWidget;

class CComparisonDlg : public QDialog {
    Q_OBJECT
public:
    CComparisonDlg(QWidget* parent, const CComparisonChoice& choice,
                   const std::vector<CEFOleDateTime>& dates);
    int First() const;
    int Second() const;
    void accept() override;

private:
    const CComparisonChoice& choice_;
    QListWidget* first_;
    QListWidget* second_;
};
