#include "desk/view/skinfoldpage.h"

#include "desk/view/sheetfields.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int SiteCounts[] = {3, 4, 7};
const char* const FoldNames[] = {"Triceps", "Suprailiac",  "Thigh",      "Chest",
                                 "Abdomen", "Midaxillary", "Subscapular"};
} // namespace

CSkinFoldPg::CSkinFoldPg(QWidget* parent, unsigned char sex, std::function<void()> calculate)
    : QWidget(parent), sex_(sex) {
    setObjectName(QStringLiteral("skinFolds"));
    auto* layout = new QVBoxLayout(this);
    auto* sitesBox = new QGroupBox(QStringLiteral("Number of Skin Fold Sites"), this);
    auto* sitesLayout = new QHBoxLayout(sitesBox);
    const char* const siteNames[] = {"Three", "Four", "Seven"};
    for (std::size_t i = 0; i < sites_.size(); ++i) {
        sites_[i] = new QRadioButton(QString::fromLatin1(siteNames[i]), sitesBox);
        sites_[i]->setObjectName(QStringLiteral("sites%1").arg(SiteCounts[i]));
        sitesLayout->addWidget(sites_[i]);
        connect(sites_[i], &QRadioButton::toggled, this, &CSkinFoldPg::Enable);
    }
    layout->addWidget(sitesBox);

    auto* form = new QFormLayout;
    for (int i = 0; i < CSkinFoldEntry::SiteCount; ++i) {
        const QString name = QString::fromLatin1(FoldNames[i]);
        auto* fold = deskfields::Decimal(this, name.toLower(), 0, CSkinFoldEntry::Maximum(i));
        folds_[static_cast<std::size_t>(i)] = fold;
        form->addRow(name + QStringLiteral(" (mm):"), fold);
    }
    fat_ = deskfields::Decimal(this, QStringLiteral("fatPercent"), 0, 99, 2);
    form->addRow(QStringLiteral("Body Fat Percentage:"), fat_);
    layout->addLayout(form);
    auto* button = new QPushButton(QStringLiteral("Calculate Body Fat Percentage"), this);
    button->setObjectName(QStringLiteral("calculateFat"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [calculate] { calculate(); });
    layout->addWidget(button);
    layout->addStretch();
}

void CSkinFoldPg::Enable() {
    int sites = 3;
    for (std::size_t i = 0; i < sites_.size(); ++i)
        if (sites_[i]->isChecked())
            sites = SiteCounts[i];
    const auto on = CSkinFoldEntry::Editable(sites, sex_);
    for (std::size_t i = 0; i < folds_.size(); ++i)
        folds_[i]->setEnabled(on[i]);
}

void CSkinFoldPg::Show(const CSkinFoldEntry& entry, double fatPercent) {
    for (std::size_t i = 0; i < sites_.size(); ++i)
        sites_[i]->setChecked(SiteCounts[i] == entry.Sites);
    for (std::size_t i = 0; i < folds_.size(); ++i)
        folds_[i]->setValue(entry.Folds[i]);
    fat_->setValue(fatPercent);
    Enable();
}

void CSkinFoldPg::Collect(CSkinFoldEntry& entry, double& fatPercent) const {
    entry.Sites = 3;
    for (std::size_t i = 0; i < sites_.size(); ++i)
        if (sites_[i]->isChecked())
            entry.Sites = SiteCounts[i];
    // Only the folds the site count uses are kept.
    const auto on = CSkinFoldEntry::Editable(entry.Sites, sex_);
    for (std::size_t i = 0; i < folds_.size(); ++i)
        entry.Folds[i] = on[i] ? folds_[i]->value() : 0.0;
    fatPercent = fat_->value();
}
