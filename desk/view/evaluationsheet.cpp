#include "desk/view/evaluationsheet.h"

#include "desk/view/dateconversion.h"
#include "desk/view/sheetfields.h"
#include "desk/view/skinfoldpage.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace deskfields;

CEvaluationSheet::CEvaluationSheet(QWidget* parent, CEvaluationSheetDoc& doc)
    : QDialog(parent), doc_(doc), tabs_(new QTabWidget(this)) {
    setWindowTitle(QString::fromStdString(doc.Title()));
    auto* layout = new QVBoxLayout(this);
    tabs_->addTab(ProfilePage(), QStringLiteral("Profile"));
    tabs_->addTab(TrainingRangePage(), QStringLiteral("Training Range"));
    tabs_->addTab(FitnessTestsPage(), QStringLiteral("Fitness Tests"));
    skinFolds_ = new CSkinFoldPg(tabs_, doc.Member.Sex,
                                 [this] { Calculate([this] { doc_.CalculateBodyFat(); }); });
    tabs_->addTab(skinFolds_, QStringLiteral("Body Composition"));
    tabs_->addTab(WorkWeightsPage(), QStringLiteral("Work Weights"));
    layout->addWidget(tabs_);
    OkCancel(this, layout);
    ShowDoc();
}

QWidget* CEvaluationSheet::ProfilePage() {
    auto* page = new QWidget(tabs_);
    auto* form = new QFormLayout(page);
    date_ = Date(page, QStringLiteral("evaluationDate"));
    form->addRow(QStringLiteral("Evaluation Date:"), date_);
    MemberRows(page, form, doc_.Member, height_, weight_);
    class_ = Classes(page, doc_.Member);
    form->addRow(QStringLiteral("Category, Course, Section:"), class_);
    activity_ = Activity(page);
    form->addRow(QStringLiteral("Current Activity Level:"), activity_);
    return page;
}

QWidget* CEvaluationSheet::TrainingRangePage() {
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    restingHR_ = Whole(page, QStringLiteral("restingHR"), 0, 200);
    systolic_ = Whole(page, QStringLiteral("systolic"), 0, 300);
    diastolic_ = Whole(page, QStringLiteral("diastolic"), 0, 300);
    form->addRow(QStringLiteral("Resting Heart Rate:"), restingHR_);
    form->addRow(QStringLiteral("Resting Blood Pressure Systolic:"), systolic_);
    form->addRow(QStringLiteral("Resting Blood Pressure Diastolic:"), diastolic_);
    predictedMax_ = Result(page, QStringLiteral("predictedMax"));
    safeMax_ = Result(page, QStringLiteral("safeMax"));
    upper_ = Result(page, QStringLiteral("upperLevel"));
    lower_ = Result(page, QStringLiteral("lowerLevel"));
    form->addRow(QStringLiteral("Predicted Max Heart Rate:"), predictedMax_);
    form->addRow(QStringLiteral("Safe Maximum:"), safeMax_);
    form->addRow(QStringLiteral("Upper Level:"), upper_);
    form->addRow(QStringLiteral("Lower Level:"), lower_);
    layout->addLayout(form);
    auto* button = new QPushButton(QStringLiteral("Calculate Training Range"), page);
    button->setObjectName(QStringLiteral("calculateRange"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this] { Calculate([this] { doc_.CalculateTrainingRange(); }); });
    layout->addWidget(button);
    layout->addStretch();
    return page;
}

QWidget* CEvaluationSheet::FitnessTestsPage() {
    auto* page = new QWidget(tabs_);
    auto* form = new QFormLayout(page);
    trunkFlex_ = Decimal(page, QStringLiteral("trunkFlex"), 0, 31);
    sitUps_ = Whole(page, QStringLiteral("sitUps"), 0, 99);
    abCrunches_ = Whole(page, QStringLiteral("abCrunches"), 0, 99);
    step_ = Whole(page, QStringLiteral("step"), 0, 200);
    runMinutes_ = Whole(page, QStringLiteral("runMinutes"), 0, 60);
    runSeconds_ = Whole(page, QStringLiteral("runSeconds"), 0, 59);
    pulseRecovery_ = Whole(page, QStringLiteral("pulseRecovery"), 0, 99);
    form->addRow(QStringLiteral("Trunk Flexion:"), trunkFlex_);
    form->addRow(QStringLiteral("1-Minute Sit-Ups:"), sitUps_);
    form->addRow(QStringLiteral("1-Minute Ab Crunches:"), abCrunches_);
    form->addRow(QStringLiteral("3-Minute Step Test:"), step_);
    auto* run = new QHBoxLayout;
    run->addWidget(runMinutes_);
    run->addWidget(new QLabel(QStringLiteral("min"), page));
    run->addWidget(runSeconds_);
    run->addWidget(new QLabel(QStringLiteral("sec"), page));
    form->addRow(QStringLiteral("1.5-Mile Run:"), run);
    form->addRow(QStringLiteral("Ergometer Pulse Recovery Test:"), pulseRecovery_);
    return page;
}

QWidget* CEvaluationSheet::WorkWeightsPage() {
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    auto* scroll = new QScrollArea(page);
    auto* inner = new QWidget(scroll);
    auto* grid = new QGridLayout(inner);
    // Two blocks of stations side by side, each with its two value columns.
    const int count = doc_.StationCount();
    const int perColumn = (count + 1) / 2;
    for (int block = 0; block < 2; ++block) {
        grid->addWidget(new QLabel(QStringLiteral("Prog. Lift"), inner), 0, block * 3 + 1);
        grid->addWidget(new QLabel(QStringLiteral("Work Wt."), inner), 0, block * 3 + 2);
    }
    for (int i = 0; i < count; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const int row = i % perColumn + 1;
        const int column = i / perColumn * 3;
        grid->addWidget(new QLabel(QString::fromStdString(doc_.StationName(i)), inner), row,
                        column);
        progLift_[s] = Whole(inner, QStringLiteral("progLift%1").arg(i), 0, 5000);
        workWeight_[s] = Whole(inner, QStringLiteral("workWeight%1").arg(i), 0, 5000);
        grid->addWidget(progLift_[s], row, column + 1);
        grid->addWidget(workWeight_[s], row, column + 2);
    }
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll);
    auto* buttons = new QHBoxLayout;
    for (int percent : {40, 50, 70}) {
        auto* button =
            new QPushButton(QStringLiteral("Calculate %1% Work Weights").arg(percent), page);
        button->setObjectName(QStringLiteral("workWeights%1").arg(percent));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, percent] {
            Calculate([this, percent] { doc_.CalculateWorkWeights(percent); });
        });
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    return page;
}

void CEvaluationSheet::ShowDoc() {
    date_->setDate(ToQDate(doc_.EvaluationDate));
    height_->setValue(doc_.Height);
    weight_->setValue(doc_.Weight);
    class_->setCurrentIndex(doc_.Member.ChoiceOf(doc_.ClassIndx));
    activity_->setCurrentIndex(doc_.ActivityLevel);
    restingHR_->setValue(doc_.RestingHR);
    systolic_->setValue(doc_.Systolic);
    diastolic_->setValue(doc_.Diastolic);
    predictedMax_->setValue(doc_.PredictedMax);
    safeMax_->setValue(doc_.SafeMax);
    upper_->setValue(doc_.UpperLevel);
    lower_->setValue(doc_.LowerLevel);
    trunkFlex_->setValue(doc_.TrunkFlex);
    sitUps_->setValue(doc_.SitUps);
    abCrunches_->setValue(doc_.AbCrunches);
    step_->setValue(doc_.Step);
    runMinutes_->setValue(doc_.RunMinutes);
    runSeconds_->setValue(doc_.RunSeconds);
    pulseRecovery_->setValue(doc_.PulseRecovery);
    skinFolds_->Show(doc_.SkinFolds, doc_.FatPercent);
    for (int i = 0; i < doc_.StationCount(); ++i) {
        const auto s = static_cast<std::size_t>(i);
        progLift_[s]->setValue(doc_.ProgLift[s]);
        workWeight_[s]->setValue(doc_.WorkWeight[s]);
    }
}

void CEvaluationSheet::ToDoc() {
    // The date keeps the time of day the evaluation was taken at.
    const QDateTime taken = ToQDateTime(doc_.EvaluationDate);
    doc_.EvaluationDate = FromQDateTime(QDateTime(date_->date(), taken.time()));
    doc_.Height = height_->value();
    doc_.Weight = weight_->value();
    doc_.ClassIndx = ClassOf(class_);
    doc_.ActivityLevel = activity_->currentIndex();
    doc_.RestingHR = restingHR_->value();
    doc_.Systolic = systolic_->value();
    doc_.Diastolic = diastolic_->value();
    doc_.TrunkFlex = trunkFlex_->value();
    doc_.SitUps = sitUps_->value();
    doc_.AbCrunches = abCrunches_->value();
    doc_.Step = step_->value();
    doc_.RunMinutes = runMinutes_->value();
    doc_.RunSeconds = runSeconds_->value();
    doc_.PulseRecovery = pulseRecovery_->value();
    skinFolds_->Collect(doc_.SkinFolds, doc_.FatPercent);
    for (int i = 0; i < doc_.StationCount(); ++i) {
        const auto s = static_cast<std::size_t>(i);
        doc_.ProgLift[s] = progLift_[s]->value();
        doc_.WorkWeight[s] = workWeight_[s]->value();
    }
}

void CEvaluationSheet::accept() {
    ToDoc();
    if (!doc_.Apply()) {
        tabs_->setCurrentIndex(doc_.FocusPage());
        const int field = doc_.FocusField();
        if (field >= CEvaluationSheetDoc::fldStation)
            progLift_[static_cast<std::size_t>(field - CEvaluationSheetDoc::fldStation)]
                ->setFocus();
        else if (field == CEvaluationSheetDoc::fldClass)
            class_->setFocus();
        else
            date_->setFocus();
        return;
    }
    QDialog::accept();
}
