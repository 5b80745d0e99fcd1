#include "tools/demo/measurements.h"

#include "tools/demo/daynumbers.h"
#include "util/bodycomp.h"
#include "util/convert.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantora::tools::demo {

namespace {

struct Folds {
    double thigh = 0, chest = 0, ab = 0, triceps = 0, supra = 0, midax = 0, subscap = 0;
};

// Skin folds (mm) that go with the member's percent fat; three sites (by
// sex) or all seven.
Folds MakeFolds(Rng& rng, const Person& p, double fat, bool seven) {
    const double s = fat / 20.0;
    auto fold = [&](double base, double cap) {
        return std::clamp(std::round(base * s * rng.real(0.85, 1.15) * 2) / 2, 3.0, cap);
    };
    Folds f;
    if (p.sex) {
        f.thigh = fold(13, 70);
        f.chest = fold(10, 51);
        f.ab = fold(21, 70);
        if (seven) {
            f.triceps = fold(11, 51);
            f.supra = fold(14, 51);
            f.midax = fold(12, 51);
            f.subscap = fold(15, 51);
        }
    } else {
        f.thigh = fold(26, 70);
        f.triceps = fold(19, 51);
        f.supra = fold(14, 51);
        if (seven) {
            f.chest = fold(8, 51);
            f.ab = fold(22, 70);
            f.midax = fold(11, 51);
            f.subscap = fold(14, 51);
        }
    }
    return f;
}

// The skin folds into the columns of an evaluation's or a body
// composition's row, which share their names.
template <class Set> void PutFolds(const Folds& f, Set& row) {
    row.ThighSkinFold = f.thigh;
    row.ChestSkinFold = f.chest;
    row.AbSkinFold = f.ab;
    row.TricepSkinFold = f.triceps;
    row.SupraSkinFold = f.supra;
    row.MidaxSkinFold = f.midax;
    row.SubscapSkinFold = f.subscap;
}

double SkinFoldFat(const Person& p, double weight, const Folds& f, bool seven) {
    CSkinFold sf(static_cast<CBodyComp::sex>(p.sex), p.age, weight, p.height, f.thigh, f.chest,
                 f.ab, f.triceps, f.supra, f.midax, f.subscap);
    return seven ? sf.PercentFat_7() : sf.PercentFat_3();
}

// Keeps a computed percent fat when it is a sensible one.
double Plausible(double computed, double fallback) {
    return std::isfinite(computed) && computed >= 3.0 && computed <= 60.0 ? round2(computed)
                                                                          : round2(fallback);
}

} // namespace

bool WriteEvaluation(Rng& rng, const Person& p, long evalId, long day, double progress,
                     EvaluationSets& sets) {
    const double weight = std::round((p.weight - progress * rng.real(0, 6)) * 2) / 2;
    const double fat = std::max(5.0, p.fat - progress * rng.real(0.5, 2.5));
    const double f = p.fitness * (1 + 0.06 * progress);
    const unsigned char classIndx = p.classes.empty() ? 99 : p.classes.front().indx;
    const long run = rng.chance(0.2) ? 0
                                     : std::lround((p.sex ? 840 : 950) / f * rng.real(0.9, 1.1) +
                                                   (p.age > 40 ? (p.age - 40) * 6 : 0));
    // The test results in the order their values are drawn.
    CDAOSmEval& e = sets.evals.next();
    e.EvaluationID = evalId;
    e.MemberID = p.id;
    e.EvaluationDate = At(day, rng.range(7 * 3600, 18 * 3600) / 900 * 900);
    e.ClassIndx = classIndx;
    e.Height = p.height;
    e.Weight = weight;
    e.ActivityLevel = p.activity;
    e.RestingHR = std::clamp(std::lround(78 - 14 * f + rng.real(-6, 6)), 48L, 100L);
    e.RestingBPSystolic =
        std::clamp(std::lround(rng.bell(102, 142) + (p.age - 30) * 0.3), 95L, 170L);
    e.RestingBPDiastolic =
        std::clamp(std::lround(rng.bell(62, 90) + (p.age - 30) * 0.15), 55L, 100L);
    e.TrunkFlex = std::clamp(
        std::round((14 + (p.sex ? 0 : 3) + 6 * (f - 1) + rng.real(-4, 4)) * 2) / 2, 2.0, 31.0);
    e.SitUp = std::clamp(std::lround(38 * f - (p.age - 25) * 0.3 + rng.real(-5, 5)), 5L, 80L);
    e.Ab = std::clamp(std::lround(45 * f - (p.age - 25) * 0.3 + rng.real(-6, 6)), 5L, 95L);
    e.Step = std::clamp(std::lround(132 - 28 * (f - 1) + rng.real(-10, 10)), 70L, 180L);
    e.Run = std::min(run, 60L * 60L);
    e.PulseRecovery = std::clamp(std::lround(24 - 8 * (f - 1) + rng.real(-5, 5)), 8L, 60L);
    if (!sets.evals.add())
        return false;

    const bool seven = rng.chance(0.4);
    const Folds folds = MakeFolds(rng, p, fat, seven);
    CDAOEvalBodyComp& b = sets.bodyComps.next();
    b.EvaluationID = evalId;
    b.FatPercent = Plausible(SkinFoldFat(p, weight, folds, seven), fat);
    PutFolds(folds, b);
    if (!sets.bodyComps.add())
        return false;

    const double strength = f * (p.sex ? 1.0 : 0.66) * (p.age > 50 ? 0.85 : 1.0);
    CDAOCirc& c = sets.circuit.next();
    c.EvaluationID = evalId;
    for (std::size_t i = 0; i < LiftShare.size(); ++i) {
        const bool heavy = std::find(HeavyStations.begin(), HeavyStations.end(),
                                     static_cast<int>(i)) != HeavyStations.end();
        double lift = 0;
        if (rng.chance(0.88))
            lift = std::clamp(
                std::round(p.weight * LiftShare[i] * strength * rng.real(0.85, 1.15) / 5) * 5, 20.0,
                heavy ? 300.0 : 150.0);
        c.SetStnVal(static_cast<int>(i), lift);
    }
    return sets.circuit.add();
}

bool WriteBodyComp(Rng& rng, const Person& p, long day, int method, double progress,
                   NewRows<CDAOBodyComp>& bodyComps) {
    const CConvert convert;
    const double weight = std::round((p.weight - progress * rng.real(0, 5)) * 2) / 2;
    const double fat = std::max(5.0, p.fat - progress * rng.real(0.5, 2.0));
    const double bmi = weight * 703.0 / (p.height * p.height);
    double waist =
        std::round((p.sex ? 0.85 * bmi + 12.5 : 0.8 * bmi + 9.5) * rng.real(0.95, 1.05) * 4) / 4;
    double hip =
        std::round((p.sex ? 0.75 * bmi + 21 : 1.0 * bmi + 17) * rng.real(0.96, 1.04) * 4) / 4;
    double wrist = 0;
    Folds folds;
    double temp = 0, wet = 0, tare = 0;
    long flags = 0;
    double result = fat;
    const auto sex = static_cast<CBodyComp::sex>(p.sex);

    switch (method) {
    case CDAOBodyComp::methodBodyMeasurement: {
        wrist = std::round((p.sex ? rng.real(6.6, 7.6) : rng.real(5.6, 6.6)) * 4) / 4;
        CTapeMsr tape(sex, p.age, weight, p.height, waist, wrist, hip);
        result = Plausible(tape.PercentFat(), fat);
        break;
    }
    case CDAOBodyComp::methodSkinFold: {
        const bool seven = rng.chance(0.4);
        folds = MakeFolds(rng, p, fat, seven);
        result = Plausible(SkinFoldFat(p, weight, folds, seven), fat);
        break;
    }
    case CDAOBodyComp::methodHydrostatic: {
        temp = std::round(rng.real(91, 95) * 10) / 10;
        tare = std::round(rng.real(4, 8) * 10) / 10;
        if (rng.chance(0.3))
            flags |= CDAOBodyComp::flagBrozek;
        const auto formula =
            (flags & CDAOBodyComp::flagBrozek) ? CHydroStat::brozek : CHydroStat::siri;
        // The scale reading that gives the member's percent fat.
        double best = 1e9;
        for (double w = tare + 0.5; w < tare + 25; w += 0.05) {
            CHydroStat h(sex, p.age, weight, p.height, temp, w, tare);
            const double pf = h.PercentFat(formula);
            if (std::isfinite(pf) && std::fabs(pf - fat) < best) {
                best = std::fabs(pf - fat);
                wet = std::round(w * 100) / 100;
            }
        }
        CHydroStat h(sex, p.age, weight, p.height, temp, wet, tare);
        result = Plausible(h.PercentFat(formula), fat);
        break;
    }
    default:
        result = round2(fat);
        break;
    }

    // Some facilities enter metric values; they are stored as entered.
    double height = p.height, storedWeight = weight;
    if (rng.chance(0.25)) {
        flags |= CDAOBodyComp::unitHeight | CDAOBodyComp::unitWeight | CDAOBodyComp::unitGirth;
        height = round2(convert.in_cm(height));
        storedWeight = round2(convert.lb_kg(storedWeight));
        waist = round2(convert.in_cm(waist));
        hip = round2(convert.in_cm(hip));
        wrist = round2(convert.in_cm(wrist));
    }
    if (method == CDAOBodyComp::methodSkinFold && rng.chance(0.15)) {
        flags |= CDAOBodyComp::unitSkinFold;
        for (double* v : {&folds.thigh, &folds.chest, &folds.ab, &folds.triceps, &folds.supra,
                          &folds.midax, &folds.subscap})
            *v = round2(convert.mm_in(*v));
    }
    if (method == CDAOBodyComp::methodHydrostatic) {
        if (rng.chance(0.4)) {
            flags |= CDAOBodyComp::unitH2OTemp;
            temp = round2(convert.f_c(temp));
        }
        if (rng.chance(0.4)) {
            flags |= CDAOBodyComp::unitWetWeight | CDAOBodyComp::unitTareWeight;
            wet = round2(convert.lb_kg(wet));
            tare = round2(convert.lb_kg(tare));
        }
    }

    CDAOBodyComp& b = bodyComps.next();
    b.MemberID = p.id;
    b.BodyCompDate = At(day, rng.range(7 * 3600, 18 * 3600) / 900 * 900);
    b.ClassIndx = p.classes.empty() ? 99 : p.classes.front().indx;
    b.Height = height;
    b.Weight = storedWeight;
    b.ActivityLevel = p.activity;
    b.Method = static_cast<unsigned char>(method);
    b.FatPercent = result;
    b.Waist = waist;
    b.Wrist = wrist;
    b.Hip = hip;
    PutFolds(folds, b);
    b.WaterTemp = temp;
    b.WetWeight = wet;
    b.TareWeight = tare;
    b.Flags = flags;
    return bodyComps.add();
}

} // namespace vantora::tools::demo
