#pragma once
// CDAOBon: the bonus values of center.mdb (one row): how many workouts and
// how many minutes one bonus of each kind is worth.

#include "daoefset.h"

class CDAOBon : public CDAOEFSet {
public:
    // What a bonus is counted in.
    enum bonus { bonWorkouts = 0, bonMinutes = 1 };

    CDAOBon() { m_nFields = 6; }

    unsigned char OrientBonWk = 0;
    short OrientBonMin = 0;
    unsigned char ReEvalBonWk = 0;
    short ReEvalBonMin = 0;
    unsigned char OtherBonWk = 0;
    short OtherBonMin = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Bonuses]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // The worth of a member's bonuses in minutes (bonMinutes) or workouts
    // (bonWorkouts and any other kind).
    int CalcBonus(int kind, int const& orientations, int const& reEvaluations,
                  int const& others) const;
};
