#include "bodycomp.h"

#include "bodycomptables.h"
#include "notice.h"
#include "text.h"

#include <fstream>

namespace bc = vantora::bodycomp;

namespace {

constexpr double kKilogramsPerPound = 0.45359237;

// A measurement counts as taken only when positive: 0 means not taken, and a
// negative or non-numeric value cannot be a real measurement.
bool Taken(double v) {
    return v > 0.0;
}

// Siri's equation: percent fat from body density in kilograms per litre.
double SiriPctFat(double density) {
    return 495.0 / density - 450.0;
}

} // namespace

// ---------------------------------------------------------------------------
// CBodyComp

CBodyComp::CBodyComp(sex const& s, int const& age, double const& weight, double const& height,
                     double const& pctfat)
    : sex_(s), age_(age), weight_(weight), height_(height), pctfat_(pctfat) {}

double CBodyComp::FatWeight() const {
    return pctfat_ * 0.01 * weight_;
}

double CBodyComp::LeanBodyWeight() const {
    return weight_ - weight_ * (pctfat_ * 0.01);
}

double CBodyComp::IdealWeight(double const& targetPct) const {
    if (!(targetPct < 100.0))
        return 0.0;
    return LeanBodyWeight() / ((100.0 - targetPct) * 0.01);
}

double CBodyComp::BodyMassIndex() const {
    if (height_ == 0.0)
        return 0.0;
    return weight_ * 703.0 / (height_ * height_);
}

int CBodyComp::FindScore() const {
    const int rowSex = sex_ == male ? 1 : 0;
    // The band of the age: the last band of the sex that starts at or below
    // it; an age below every band takes the first.
    const bc::ScoreBand* band = nullptr;
    for (const bc::ScoreBand& b : bc::kScoreBands) {
        if (b.sex != rowSex)
            continue;
        if (band == nullptr || b.ageFrom <= age_)
            band = &b;
        else
            break;
    }
    const auto& t = band->bounds;
    if (pctfat_ < t[0])
        return bc::kScoreBelowFirst;
    for (std::size_t k = 0; k < t.size(); ++k)
        if (pctfat_ <= t[k])
            return bc::kBoundScores[k];
    return bc::kScoreAboveLast;
}

char const* CBodyComp::Category() const {
    const int s = FindScore();
    for (const bc::CategoryStep& step : bc::kCategorySteps)
        if (s < (sex_ == male ? step.maleBelow : step.otherBelow))
            return step.word;
    return bc::kCategoryTop;
}

double CBodyComp::ShortGoal(double const& score) const {
    if (score >= 65.0)
        return 70.0;
    if (score > 30.0)
        return score + 5.0;
    return score + 10.0;
}

double CBodyComp::LongGoal(double const& score) const {
    if (score >= 55.0)
        return 70.0;
    if (score >= 35.0)
        return score + 20.0;
    if (score >= 20.0)
        return score + 25.0;
    return score + 30.0;
}

double CBodyComp::BasalMetabolicRate() const {
    if (sex_ == male)
        return weight_ * 6.214215469 + height_ * 12.7 + 66.0 - age_ * 6.8;
    return weight_ * 4.354486752 + height_ * 4.572 + 655.0 - age_ * 4.7;
}

double CBodyComp::AdjMetabolicRate(actlvl const& level) const {
    const double bmr = BasalMetabolicRate();
    if (level < 0 || level >= static_cast<int>(bc::kActivityLevels.size()))
        return bmr;
    return bmr * bc::kActivityLevels[level].multiplier;
}

double CBodyComp::CaloricExpenditure(physact const& activity) const {
    if (activity < 0 || activity >= static_cast<int>(bc::kExercises.size()))
        return 0.0;
    return weight_ * bc::kExercises[activity].factor;
}

char const* CBodyComp::GetActLvlStr(actlvl const& level) {
    if (level < 0 || level >= static_cast<int>(bc::kActivityLevels.size()))
        return "";
    return bc::kActivityLevels[level].text;
}

void CBodyComp::WriteJS(wtunits const& units, actlvl const& level) const {
    static constexpr char kMessage[] = "Error: cannot write to bcvar.js file";
    std::ofstream file("js/bcvar.js", std::ios::out | std::ios::trunc);
    if (!file.is_open()) {
        vantora::notice::show(kMessage);
        return;
    }

    const double toUnits = units == pounds ? 1.0 : kKilogramsPerPound;
    const double lean = LeanBodyWeight();
    const int score = FindScore();
    // Weights at which the present lean weight would carry 12 % or 22 % fat
    // (low) and 15 % or 25 % fat (high), for men and for women.
    const double lowFactor = sex_ == male ? 1.1363636363636365 : 1.282051282051282;
    const double highFactor = sex_ == male ? 1.1764705882352942 : 1.3333333333333333;

    CJavaScript js(&file);
    js.var("bmi", BodyMassIndex());
    js.var("pctfat", pctfat_);
    js.var("leanwt", lean * toUnits);
    js.var("fatwt", FatWeight() * toUnits);
    js.var("fatcat", Category());
    js.var("fatscr", score);
    js.var("stgoal", ShortGoal(score));
    js.var("lggoal", LongGoal(score));
    js.var("lwpctwt", lean * lowFactor * toUnits);
    js.var("hgpctwt", lean * highFactor * toUnits);
    js.var("basecal", BasalMetabolicRate());
    js.var("adjcal", AdjMetabolicRate(level));
    for (std::size_t i = 0; i < bc::kExercises.size(); ++i)
        js.var(bc::kExercises[i].variable, CaloricExpenditure(static_cast<physact>(i)));

    // A write that fails after opening (a full disk) must not pass for a
    // written report.
    file.close();
    if (file.fail())
        vantora::notice::show(kMessage);
}

// ---------------------------------------------------------------------------
// CSkinFold

CSkinFold::CSkinFold(sex const& s, int const& age, double const& weight, double const& height,
                     double const& thigh, double const& chest, double const& abdominal,
                     double const& triceps, double const& suprailiac, double const& midaxillary,
                     double const& subscapular)
    : CBodyComp(s, age, weight, height, 0.0), thigh_(thigh), chest_(chest), abdominal_(abdominal),
      triceps_(triceps), suprailiac_(suprailiac), midaxillary_(midaxillary),
      subscapular_(subscapular) {}

double CSkinFold::PercentFat_3() {
    double bd = 0.0;
    if (sex_ == male) {
        if (!Taken(chest_) || !Taken(abdominal_) || !Taken(thigh_))
            return pctfat_;
        const double s = chest_ + abdominal_ + thigh_;
        bd = 1.10938 - 0.0008267 * s + 0.0000016 * s * s - 0.0002574 * age_;
    } else if (sex_ == female) {
        if (!Taken(triceps_) || !Taken(suprailiac_) || !Taken(thigh_))
            return pctfat_;
        const double s = triceps_ + suprailiac_ + thigh_;
        bd = 1.0994921 - 0.0009929 * s + 0.0000023 * s * s - 0.0001392 * age_;
    } else {
        // The three-site equations exist for sex codes 0 and 1 only.
        return pctfat_;
    }
    // A density of 0 or below is no density: keep the old value.
    if (bd > 0.0)
        pctfat_ = SiriPctFat(bd);
    return pctfat_;
}

double CSkinFold::PercentFat_4() {
    if (!Taken(abdominal_) || !Taken(suprailiac_) || !Taken(triceps_) || !Taken(thigh_))
        return pctfat_;
    const double s = abdominal_ + suprailiac_ + triceps_ + thigh_;
    if (sex_ == male)
        pctfat_ = 0.29288 * s - 0.0005 * s * s + 0.15845 * age_ - 5.76377;
    else
        pctfat_ = 0.29669 * s - 0.00043 * s * s + 0.02963 * age_ - 1.4072;
    return pctfat_;
}

double CSkinFold::PercentFat_7() {
    if (!Taken(thigh_) || !Taken(chest_) || !Taken(abdominal_) || !Taken(triceps_) ||
        !Taken(suprailiac_) || !Taken(midaxillary_) || !Taken(subscapular_))
        return pctfat_;
    const double s =
        thigh_ + chest_ + abdominal_ + triceps_ + suprailiac_ + midaxillary_ + subscapular_;
    double bd;
    if (sex_ == male)
        bd = 1.112 - 0.00043499 * s + 0.00000055 * s * s - 0.00028826 * age_;
    else
        bd = 1.097 - 0.00046971 * s + 0.00000056 * s * s - 0.00012828 * age_;
    if (bd > 0.0)
        pctfat_ = SiriPctFat(bd);
    return pctfat_;
}

// ---------------------------------------------------------------------------
// CHydroStat

CHydroStat::CHydroStat(sex const& s, int const& age, double const& weight, double const& height,
                       double const& waterTemp, double const& wetWeight, double const& tareWeight)
    : CBodyComp(s, age, weight, height, 0.0), waterTemp_(waterTemp), wetWeight_(wetWeight),
      tareWeight_(tareWeight) {}

double CHydroStat::FindWaterDensity() const {
    const double celsius = (waterTemp_ - 32.0) * 0.5555555555555556;
    // Only a temperature near the chart is converted to a whole degree; this
    // also keeps an absurd or non-numeric entry from an undefined conversion.
    if (!(celsius > -1000.0 && celsius < 1000.0))
        return bc::kWaterDensityOffChart;
    const int degree = static_cast<int>(celsius); // truncates toward zero
    for (const bc::WaterDensity& w : bc::kWaterDensities)
        if (w.celsius == degree)
            return w.density;
    return bc::kWaterDensityOffChart;
}

double CHydroStat::CalcBodyDensity() const {
    // Residual lung volume in litres.
    const double rv = sex_ == male ? 0.017 * age_ + 0.06858 * height_ - 3.447
                                   : 0.08128 * height_ + 0.009 * age_ - 3.9;
    // Body volume in litres: the weight lost under water, less the residual
    // volume and 0.1 litre of gut gas, over the density of the water.
    const double volume =
        (weight_ * kKilogramsPerPound -
         (wetWeight_ * kKilogramsPerPound - tareWeight_ * kKilogramsPerPound) - (rv + 0.1)) /
        FindWaterDensity();
    if (!(volume > 0.0))
        return 0.0;
    return weight_ / volume * kKilogramsPerPound;
}

double CHydroStat::PercentFat(calcmethod const& method) {
    const double bd = CalcBodyDensity();
    if (!(bd > 0.0))
        return pctfat_;
    if (method == siri)
        pctfat_ = SiriPctFat(bd);
    else
        pctfat_ = (4.57 / bd - 4.142) * 100.0;
    return pctfat_;
}

// ---------------------------------------------------------------------------
// CTapeMsr

CTapeMsr::CTapeMsr(sex const& s, int const& age, double const& weight, double const& height,
                   double const& waist, double const& wrist, double const& hip)
    : CBodyComp(s, age, weight, height, 0.0), waist_(waist), wrist_(wrist), hip_(hip) {}

int CTapeMsr::FindArrIndex(double const* values, int const& count, double const& x) {
    if (count < 1)
        return 0;
    for (int i = 0; i < count - 1; ++i)
        if (x <= values[i])
            return i;
    return count - 1;
}

double CTapeMsr::FindMaleFat() const {
    const int row = FindArrIndex(bc::kMaleWeightAxis.data(), bc::kMaleWeightSteps, weight_);
    const int column = FindArrIndex(bc::kMaleDiffAxis.data(), bc::kMaleDiffSteps, waist_ - wrist_);
    return bc::MaleFatCell(row, column);
}

double CTapeMsr::AdjFemHip() const {
    return bc::kHipConstants[FindArrIndex(bc::kHipAxis.data(), bc::kHipSteps, hip_)];
}

double CTapeMsr::AdjFemWaist() const {
    return bc::kWaistConstants[FindArrIndex(bc::kWaistAxis.data(), bc::kWaistSteps, waist_)];
}

double CTapeMsr::AdjFemHeight() const {
    return bc::kHeightConstants[FindArrIndex(bc::kHeightAxis.data(), bc::kHeightSteps, height_)];
}

double CTapeMsr::PercentFat() {
    if (sex_ == male) {
        if (Taken(weight_) && Taken(waist_) && Taken(wrist_))
            pctfat_ = FindMaleFat();
    } else if (Taken(height_) && Taken(waist_) && Taken(hip_)) {
        pctfat_ = AdjFemHip() + AdjFemWaist() - AdjFemHeight();
    }
    return pctfat_;
}
