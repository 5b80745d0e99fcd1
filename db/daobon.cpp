#include "daobon.h"

void CDAOBon::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Byte("[OrientBonWk]", OrientBonWk);
    fx.Short("[OrientBonMin]", OrientBonMin);
    fx.Byte("[ReEvalBonWk]", ReEvalBonWk);
    fx.Short("[ReEvalBonMin]", ReEvalBonMin);
    fx.Byte("[OtherBonWk]", OtherBonWk);
    fx.Short("[OtherBonMin]", OtherBonMin);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOBon::CalcBonus(int kind, int const& orientations, int const& reEvaluations,
                       int const& others) const {
    if (kind == bonMinutes)
        return orientations * OrientBonMin + reEvaluations * ReEvalBonMin + others * OtherBonMin;
    return orientations * OrientBonWk + reEvaluations * ReEvalBonWk + others * OtherBonWk;
}
