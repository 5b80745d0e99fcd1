#pragma once
// Conversions between the metric values a facility may enter and the imperial
// units (pounds, inches, degrees Fahrenheit) that every calculation takes.

class CConvert {
public:
    CConvert() = default;
    virtual ~CConvert() = default;

    // The factors, for code that converts inline.
    static constexpr double kLbPerKg = 2.2046226218487757;
    static constexpr double kKgPerLb = 0.45359237;
    static constexpr double kCPerF = 0.5555555555555556;
    static constexpr double kInPerCm = 0.3937007874015748;
    static constexpr double kInPerMm = 0.03937007874015748;

    double kg_lb(double const& x) const { return x * kLbPerKg; }
    double lb_kg(double const& x) const { return x * kKgPerLb; }
    double c_f(double const& x) const { return x * 1.8 + 32.0; }
    double f_c(double const& x) const { return (x - 32.0) * kCPerF; }
    double cm_in(double const& x) const { return x * kInPerCm; }
    double in_cm(double const& x) const { return x * 2.54; }
    double mm_in(double const& x) const { return x * kInPerMm; }
    double in_mm(double const& x) const { return x * 25.4; }
};
