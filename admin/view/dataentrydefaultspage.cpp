#include "admin/view/dataentrydefaultspage.h"

#include "db/daodef.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

CDefaPg::CDefaPg(QWidget* parent) : CAdminPage(QStringLiteral("Data Entry Defaults"), parent) {
    struct Choice {
        const char* title;
        const char* first;
        const char* second;
        long bit;
    };
    const Choice choices[] = {
        {"Membership Status", "Current", "Past", CDAODef::defMemberStatus},
        {"Sex", "Male", "Female", CDAODef::defSex},
        {"Incentive Club Participant", "Yes", "No", CDAODef::defIncentiveClub},
        {"Employee", "Yes", "No", CDAODef::defEmployee},
        {"Signed Release Form", "Yes", "No", CDAODef::defSignedRelease},
        {"Orientation Bonus", "Yes", "No", CDAODef::defOrientationBonus},
        {"Fitness Goals", "Yes", "No", CDAODef::defGoals},
        {"Medical History", "Yes", "No", CDAODef::defMedHist},
    };
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Set default values for new member enrollment data entry fields."), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Specifying these values speeds input of new members."), this));

    auto* grid = new QGridLayout;
    int n = 0;
    for (const Choice& c : choices) {
        FlagPair f{MakePair(QString::fromUtf8(c.title), QString::fromUtf8(c.first),
                            QString::fromUtf8(c.second)),
                   c.bit};
        grid->addWidget(f.pair.box, n / 2, n % 2);
        flags_.push_back(f);
        ++n;
    }
    layout->addLayout(grid);

    expMonths_ = MakeSpin(0, 12);
    enrollPer_ = new QComboBox(this);
    for (unsigned char i = 0; i < CDefaDoc::EnrollPerCount; ++i)
        enrollPer_->addItem(QString::fromStdString(CDAODef::GetEnrPerStr(i)));
    Watch(enrollPer_);
    grdStat_ = new QComboBox(this);
    for (unsigned char i = 0; i < CDefaDoc::GrdStatCount; ++i)
        grdStat_->addItem(QString::fromStdString(CDAODef::GetGrdStatStr(i)));
    Watch(grdStat_);
    reEvalBon_ = MakeSpin(0, 99);
    otherBon_ = MakeSpin(0, 99);

    auto group = [this](const QString& title, const QString& label, QWidget* field) {
        auto* box = new QGroupBox(title, this);
        auto* form = new QFormLayout(box);
        form->addRow(label, field);
        return box;
    };
    auto* lower = new QGridLayout;
    lower->addWidget(group(QStringLiteral("Membership Expiration"),
                           QStringLiteral("Months from Enrollment:"), expMonths_),
                     0, 0);
    lower->addWidget(group(QStringLiteral("Enrollment Period"), QString(), enrollPer_), 0, 1);
    lower->addWidget(group(QStringLiteral("Grade Status"), QString(), grdStat_), 1, 0);
    lower->addWidget(group(QStringLiteral("Re-Evaluation Bonus"),
                           QStringLiteral("Number of Bonuses:"), reEvalBon_),
                     1, 1);
    lower->addWidget(
        group(QStringLiteral("Other Bonus"), QStringLiteral("Number of Bonuses:"), otherBon_), 2,
        0);
    layout->addLayout(lower);
    layout->addStretch();
}

void CDefaPg::ShowDoc() {
    for (const FlagPair& f : flags_)
        SetPair(f.pair, doc_.Flag(f.bit));
    expMonths_->setValue(doc_.ExpMonths);
    enrollPer_->setCurrentIndex(doc_.EnrollPer);
    grdStat_->setCurrentIndex(doc_.GrdStat);
    reEvalBon_->setValue(doc_.ReEvalBon);
    otherBon_->setValue(doc_.OtherBon);
}

void CDefaPg::ToDoc() {
    // A pair that has neither choice checked leaves its bit as it was read.
    for (const FlagPair& f : flags_) {
        if (f.pair.first->isChecked())
            doc_.SetFlag(f.bit, true);
        else if (f.pair.second->isChecked())
            doc_.SetFlag(f.bit, false);
    }
    doc_.ExpMonths = expMonths_->value();
    doc_.EnrollPer = enrollPer_->currentIndex();
    doc_.GrdStat = grdStat_->currentIndex();
    doc_.ReEvalBon = reEvalBon_->value();
    doc_.OtherBon = otherBon_->value();
}

void CDefaPg::FocusField(int field) {
    QWidget* const fields[] = {expMonths_, enrollPer_, grdStat_, reEvalBon_, otherBon_};
    if (field >= 0 && field < int(std::size(fields)))
        FocusOn(fields[field]);
}
