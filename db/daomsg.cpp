#include "daomsg.h"

void CDAOMsg::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.Text("[Msg]", Msg);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOMsg::FindMessages(long const& memberId) {
    lParam0 = memberId;
    m_strFilter = "MemberID = lParam0";
    m_strSort.clear();
    return OpenSet(true);
}
