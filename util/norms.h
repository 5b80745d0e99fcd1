#pragma once
// Percentile scores of the six fitness tests against norms by sex and age, and
// the short- and long-term goal scores that follow from a score.

class CNorms {
public:
    // 0 female, 1 male; any value other than 1 uses the female norms.
    enum sex : int { female = 0, male = 1 };
    enum norm : int { ab = 0, flex = 1, leg = 2, run = 3, situp = 4, upper = 5 };

    // weight in pounds: the divisor of the two strength tests.
    CNorms(sex s, int const& age, double const& weight) : sex_(s), age_(age), weight_(weight) {}
    virtual ~CNorms() = default;

    sex GetSex() const { return sex_; }
    int GetAge() const { return age_; }
    double GetWeight() const { return weight_; }

    // value + value x adj; for the strength tests (leg, upper) divided by the
    // body weight. Without a positive body weight no ratio can be formed and
    // the strength result is 0, which scores as a test not taken.
    double FindAdjScore(norm n, double const& value, double const& adj) const;
    // The score (5..99; 1..99 for the run) of the adjusted value. For a norm
    // outside 0..5 the adjusted value truncated toward zero.
    int FindNorm(norm n, double const& value, double const& adj) const;

    int GetShortTermGoal(norm n, int const& score) const;
    int GetLongTermGoal(norm n, int const& score) const;

private:
    int GetAbNorm(double const& a) const;
    int GetFlexNorm(double const& a) const;
    int GetLegNorm(double const& a) const;
    int GetRunNorm(double const& a) const;
    int GetSitUpNorm(double const& a) const;
    int GetUpperNorm(double const& a) const;

    sex sex_;
    int age_;
    double weight_;
};
