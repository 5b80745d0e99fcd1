#pragma once
// Blood-pressure classification of one reading.

class CBP {
public:
    // The pressure tested: 0 systolic, any other value diastolic.
    enum bp : int { systolic = 0, diastolic = 1 };

    CBP(int const& sys, int const& dia) : sys_(sys), dia_(dia) {}
    virtual ~CBP() = default;

    int GetSys() const { return sys_; }
    int GetDia() const { return dia_; }

    // Below 120 systolic, below 80 diastolic.
    bool IsOptimal(bp which) const;
    // The band just above optimal: 120..129 systolic, 80..84 diastolic. An
    // optimal reading is not normal.
    bool IsNormal(bp which) const;

private:
    int sys_;
    int dia_;
};
