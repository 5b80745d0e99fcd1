#include "daocat.h"

void CDAOCat::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[CatID]", CatID);
    fx.Text("[Cat]", Cat);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOCat::FindCategories(long const& catId) {
    lParam0 = catId;
    m_strFilter = catId != 0 ? "CatID = lParam0" : "";
    m_strSort = "Cat";
    return OpenSet(true);
}

int CDAOCat::FindCategories(char const* name) {
    strParam0 = name ? name : "";
    m_strFilter = "Cat = strParam0";
    m_strSort = "Cat";
    return OpenSet(true);
}

long CDAOCat::GenerateIDNum(long const& exclude) const {
    // Id 0 stands for "every category" in the lookups, so it is never handed out.
    CDAOCat set;
    for (;;) {
        const long key = GenerateKey();
        if (key != 0 && key != exclude && set.FindCategories(key) == 0)
            return key;
    }
}
