#pragma once
// The valid value range of one circuit station.

class CBounds {
public:
    CBounds() = default;
    CBounds(double const& min, double const& max) : min_(min), max_(max) {}
    virtual ~CBounds();

    double GetMin() const { return min_; }
    double GetMax() const { return max_; }
    void SetMin(double const& min) { min_ = min; }
    void SetMax(double const& max) { max_ = max; }

private:
    double min_ = -1.0;
    double max_ = 1.0;
};
