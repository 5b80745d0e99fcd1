#pragma once
// CPrintOptionsDlg: "Print Options", one check box per column of a list,
// preset from the list's column mask; OK needs at least one ticked.

#include "desk/core/listprinting.h"

#include <QDialog>

#include <vector>

class QCheckBox;

class CPrintOptionsDlg : public QDialog {
    Q_OBJECT
public:
    CPrintOptionsDlg(QWidget* parent, std::vector<CPrintOption> options, long mask);
    // The ticked bits.
    long Mask() const;
    void accept() override;

private:
    std::vector<CPrintOption> options_;
    std::vector<QCheckBox*> boxes_;
};
