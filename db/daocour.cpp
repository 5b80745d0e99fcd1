#include "daocour.h"

void CDAOCour::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[CourID]", CourID);
    fx.Long("[CatID]", CatID);
    fx.Text("[Cour]", Cour);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOCour::FindCourses(long const& catId, long const& courId) {
    if (catId != 0 && courId != 0) {
        lParam0 = catId;
        lParam1 = courId;
        m_strFilter = "CatID = lParam0 AND CourID = lParam1";
    } else if (catId != 0) {
        lParam0 = catId;
        m_strFilter = "CatID = lParam0";
    } else if (courId != 0) {
        lParam0 = courId;
        m_strFilter = "CourID = lParam0";
    }
    m_strSort = "Cour";
    return OpenSet(true);
}

int CDAOCour::FindCourses(long const& catId, char const* name) {
    lParam0 = catId;
    strParam0 = name ? name : "";
    m_strFilter = "CatID = lParam0 AND Cour = strParam0";
    m_strSort = "Cour";
    return OpenSet(true);
}

long CDAOCour::GenerateIDNum(long const& exclude) const {
    // Id 0 stands for "any course" in the lookups, so it is never handed out.
    CDAOCour set;
    for (;;) {
        const long key = GenerateKey();
        if (key != 0 && key != exclude && set.FindCourses(0, key) == 0)
            return key;
    }
}
