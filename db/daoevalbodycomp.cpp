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

bool CDAOEvalBodyComp::TakeFields(std::vector<std::string> const& f, std::size_t at) {
    if (f.size() < at + FieldCount)
        return false;
    for (double* v : {&FatPercent, &ThighSkinFold, &ChestSkinFold, &AbSkinFold, &TricepSkinFold,
                      &SupraSkinFold, &MidaxSkinFold, &SubscapSkinFold}) {
        if (!ParseDouble(f[at++], 0, MaxMeasure, *v))
            return false;
    }
    return true;
}

int CDAOEvalBodyComp::Restore(std::istream& in, char const& delimiter, long const& evaluationId) {
    std::vector<std::string> f;
    for (std::size_t i = 0; i < FieldCount; ++i)
        f.push_back(ReadField(in, delimiter));
    if (!TakeFields(f, 0))
        return 0;
    OpenSet(false);
    AddNewAsIs();
    EvaluationID = evaluationId;
    Op(opUpdate);
    const bool stored = !LastOpFailed();
    Op(opClose);
    return stored ? 1 : 0;
}
