#include "daoreport.h"

void CDAOReport::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[ltype]", ltype);
    fx.Long("[lid]", lid);
    fx.DateTime("[date0]", date0);
    fx.DateTime("[date1]", date1);
    fx.Text("[str0]", str0);
    fx.Text("[str1]", str1);
    fx.Text("[str2]", str2);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOReport::FindReports() {
    m_strFilter.clear();
    m_strSort.clear();
    return OpenSet(true);
}
