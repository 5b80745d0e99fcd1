#include "daosec.h"

void CDAOSec::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[CourID]", CourID);
    fx.Text("[Sec]", Sec);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOSec::FindSections(long const& courId) {
    lParam0 = courId;
    m_strFilter = "CourID = lParam0";
    m_strSort = "Sec";
    return OpenSet(true);
}

int CDAOSec::FindSections(long const& courId, char const* name) {
    lParam0 = courId;
    strParam0 = name ? name : "";
    m_strFilter = "CourID = lParam0 AND Sec = strParam0";
    m_strSort = "Sec";
    return OpenSet(true);
}
