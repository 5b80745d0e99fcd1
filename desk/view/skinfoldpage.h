#pragma once
// CSkinFoldPg: the skin-fold page of the evaluation and body-composition
// sheets: the number of sites, the seven folds of which the site count
// enables the ones it uses, the percent fat and its calculator button.

#include "desk/core/skinfoldentry.h"

#include <QWidget>

#include <array>
#include <functional>

class QDoubleSpinBox;
class QRadioButton;

class CSkinFoldPg : public QWidget {
    Q_OBJECT
public:
    // `calculate` copies the page into the document, calculates and shows
    // the document again.
    CSkinFoldPg(QWidget* parent, unsigned char sex, std::function<void()> calculate);

    void Show(const CSkinFoldEntry& entry, double fatPercent);
    void Collect(CSkinFoldEntry& entry, double& fatPercent) const;

private:
    void Enable();

    unsigned char sex_;
    std::array<QRadioButton*, 3> sites_{};
    std::array<QDoubleSpinBox*, CSkinFoldEntry::SiteCount> folds_{};
    QDoubleSpinBox* fat_;
};
