#pragma once
// Training heart-rate zone by the heart-rate reserve method: the resting rate
// plus 50 %, 70 % and 80 % of the reserve up to the predicted maximum.

class CHeartRate {
public:
    // 0 female, 1 male; any value other than 1 uses the female formula.
    enum sex : int { female = 0, male = 1 };

    CHeartRate(sex s, int const& age, double const& restingRate)
        : sex_(s), age_(age), restingRate_(restingRate) {}
    virtual ~CHeartRate() = default;

    sex GetSex() const { return sex_; }
    double GetAge() const { return age_; }
    double GetHR() const { return restingRate_; }

    // Beats per minute. The three levels are 0 when no resting rate was
    // measured (0 or less); the predicted maximum does not depend on it.
    double PredictedMaximum() const;
    double LowerLevel() const { return Level(0.5); }
    double UpperLevel() const { return Level(0.7); }
    double SafeMaximum() const { return Level(0.8); }

private:
    double Level(double share) const;

    sex sex_;
    double age_;
    double restingRate_;
};
