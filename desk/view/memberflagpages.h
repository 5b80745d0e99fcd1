#pragma once
// The "Fitness Goals" and "Medical History" pages of the member sheet and
// the member search: one check box per bit of the member's goal or
// medical-history set. Bits the page does not show are kept on saving.

#include <QWidget>

#include <vector>

class QCheckBox;

class CMemberFlagPage : public QWidget {
    Q_OBJECT
public:
    // Ticks the boxes of the bits set in `bits`.
    void SetBits(long bits);
    // `kept` with the page's bits set or cleared as ticked.
    long Bits(long kept = 0) const;
    QCheckBox* Box(int i) const { return boxes_.at(i); }

protected:
    CMemberFlagPage(const QString& intro, const std::vector<long>& bits,
                    std::string (*caption)(long), int columns, QWidget* parent);

private:
    std::vector<long> bits_;
    std::vector<QCheckBox*> boxes_;
};

class CMemberGoalsPg : public CMemberFlagPage {
    Q_OBJECT
public:
    explicit CMemberGoalsPg(QWidget* parent = nullptr);
};

class CMemberMedHistPg : public CMemberFlagPage {
    Q_OBJECT
public:
    explicit CMemberMedHistPg(QWidget* parent = nullptr);
};
