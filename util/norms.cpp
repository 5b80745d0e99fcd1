#include "util/norms.h"

#include "util/normtables.h"

#include <climits>
#include <cmath>

namespace nt = vantora::normtables;

namespace {

// Higher is better: start at 5, take each column's score whose bound the value
// reaches (equal bounds: the later, higher score wins), and 99 only strictly
// above its bound. NaN reaches nothing and scores 5.
int LookUp(nt::Bounds const& bounds, double const& value) {
    int score = 5;
    for (int col = 0; col < 18; ++col) {
        if (bounds[col] != nt::kDash && value >= bounds[col])
            score = 10 + 5 * col;
    }
    if (value > bounds[18])
        score = 99;
    return score;
}

// Lower is better: the highest score whose bound is at least the time; 1 when
// the time is over every bound.
int LookUpRun(nt::RunRow const& row, double const& time) {
    for (int col = 0; col < 20; ++col) {
        if (time <= row.bound[col]) {
            if (col == 0)
                return 99;
            if (col == 5)
                return row.score75;
            return 100 - 5 * col;
        }
    }
    return 1;
}

nt::Bounds const& Row(nt::Table const& table, CNorms::sex s, int age) {
    return s == CNorms::male ? table.male[nt::Band(age)] : table.female[nt::Band(age)];
}

// Truncation toward zero that stays defined for values no int can hold.
int Truncate(double a) {
    if (std::isnan(a))
        return 0;
    if (a >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (a <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(a);
}

} // namespace

double CNorms::FindAdjScore(norm n, double const& value, double const& adj) const {
    double a = value + value * adj;
    if (n == leg || n == upper) {
        // Not (weight_ > 0) also catches a NaN weight.
        if (!(weight_ > 0.0))
            return 0.0;
        a = a / weight_;
    }
    return a;
}

int CNorms::FindNorm(norm n, double const& value, double const& adj) const {
    double const a = FindAdjScore(n, value, adj);
    switch (n) {
    case ab:
        return GetAbNorm(a);
    case flex:
        return GetFlexNorm(a);
    case leg:
        return GetLegNorm(a);
    case run:
        return GetRunNorm(a);
    case situp:
        return GetSitUpNorm(a);
    case upper:
        return GetUpperNorm(a);
    }
    return Truncate(a);
}

int CNorms::GetShortTermGoal(norm n, int const& score) const {
    int const p = score;
    if (n == run) {
        if (p > 95)
            return p;
        if (p > 55)
            return p + 5;
        if (p > 15)
            return p + 10;
        return p + 15;
    }
    return p >= 95 ? 99 : p + 5;
}

int CNorms::GetLongTermGoal(norm n, int const& score) const {
    int const p = score;
    if (n == run) {
        if (p > 95)
            return p;
        if (p > 90)
            return p + 5;
        if (p > 75)
            return p + 10;
        if (p > 55)
            return p + 15;
        if (p > 35)
            return p + 20;
        if (p > 25)
            return p + 25;
        if (p > 15)
            return p + 30;
        return p + 35;
    }
    if (p >= 85)
        return 99;
    if (p >= 65)
        return 90;
    if (p >= 45)
        return 70;
    return 50;
}

int CNorms::GetAbNorm(double const& a) const {
    return LookUp(Row(nt::kAb, sex_, age_), a);
}

int CNorms::GetFlexNorm(double const& a) const {
    return LookUp(Row(nt::kFlex, sex_, age_), a);
}

int CNorms::GetLegNorm(double const& a) const {
    return LookUp(Row(nt::kLeg, sex_, age_), a);
}

int CNorms::GetRunNorm(double const& a) const {
    int const band = nt::RunBand(age_);
    return LookUpRun(sex_ == male ? nt::kRun.male[band] : nt::kRun.female[band], a);
}

int CNorms::GetSitUpNorm(double const& a) const {
    return LookUp(Row(nt::kSitUp, sex_, age_), a);
}

int CNorms::GetUpperNorm(double const& a) const {
    return LookUp(Row(nt::kUpper, sex_, age_), a);
}
