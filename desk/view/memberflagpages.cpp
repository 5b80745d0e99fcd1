#include "desk/view/memberflagpages.h"

#include "desk/core/membersheetdocument.h"

#include "db/daoprof.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

CMemberFlagPage::CMemberFlagPage(const QString& intro, const std::vector<long>& bits,
                                 std::string (*caption)(long), int columns, QWidget* parent)
    : QWidget(parent), bits_(bits) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(intro, this));
    auto* grid = new QGridLayout;
    const int rows = (static_cast<int>(bits_.size()) + columns - 1) / columns;
    for (std::size_t i = 0; i < bits_.size(); ++i) {
        auto* box = new QCheckBox(QString::fromStdString(caption(bits_[i])), this);
        boxes_.push_back(box);
        grid->addWidget(box, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
    }
    layout->addLayout(grid);
    layout->addStretch();
}

void CMemberFlagPage::SetBits(long bits) {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        boxes_[i]->setChecked((bits & bits_[i]) != 0);
}

long CMemberFlagPage::Bits(long kept) const {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        kept = boxes_[i]->isChecked() ? (kept | bits_[i]) : (kept & ~bits_[i]);
    return kept;
}

CMemberGoalsPg::CMemberGoalsPg(QWidget* parent)
    : CMemberFlagPage(QStringLiteral("Fitness goals:"),
                      {CMemberSheetDoc::GoalBits.begin(), CMemberSheetDoc::GoalBits.end()},
                      &CDAOProf::GetGoalStr, 1, parent) {}

CMemberMedHistPg::CMemberMedHistPg(QWidget* parent)
    : CMemberFlagPage(QStringLiteral("Medical history:"),
                      {CMemberSheetDoc::MedHistBits.begin(), CMemberSheetDoc::MedHistBits.end()},
                      &CDAOProf::GetMedHistStr, 2, parent) {}
