#include "daoevalbodycomp.h"

void CDAOEvalBodyComp::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[EvaluationID]", EvaluationID);
    fx.Double("[FatPercent]", FatPercent);
    fx.Double("[ThighSkinFold]", ThighSkinFold);
    fx.Double("[ChestSkinFold]", ChestSkinFold);
    fx.Double("[AbSkinFold]", AbSkinFold);
    fx.Double("[TricepSkinFold]", TricepSkinFold);
    fx.Double("[SupraSkinFold]", SupraSkinFold);
    fx.Double("[MidaxSkinFold]", MidaxSkinFold);
    fx.Double("[SubscapSkinFold]", SubscapSkinFold);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOEvalBodyComp::FindEvalBodyComp(long const& evaluationId) {
    lParam0 = evaluationId;
    m_strFilter = "EvaluationID = lParam0";
    m_strSort.clear();
    return OpenSet(true);
}

void CDAOEvalBodyComp::ReadFields(std::istream& in, char const& delimiter) {
    for (double* v : {&FatPercent, &ThighSkinFold, &ChestSkinFold, &AbSkinFold, &TricepSkinFold,
                      &SupraSkinFold, &MidaxSkinFold, &SubscapSkinFold})
        *v = ToDouble(ReadField(in, delimiter));
}

int CDAOEvalBodyComp::Restore(std::istream& in, char const& delimiter, long const& evaluationId) {
    OpenSet(false);
    const long before = GetRecordCount();
    Op(opAddNew);
    EvaluationID = evaluationId;
    ReadFields(in, delimiter);
    Op(opUpdate);
    const bool stored = GetRecordCount() > before;
    Op(opClose);
    return stored ? 1 : 0;
}
