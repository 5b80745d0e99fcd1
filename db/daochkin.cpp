#include "daochkin.h"

#include "daosmmem.h"

CDAOChkIn::CDAOChkIn() {
    m_nFields = 6;
    CheckIn = 0.0;
}

void CDAOChkIn::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.Long("[Barcode]", Barcode);
    fx.Text("[FirstName]", FirstName);
    fx.Text("[LastName]", LastName);
    fx.DateTime("[CheckIn]", CheckIn);
    fx.Byte("[ClassIndx]", ClassIndx);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOChkIn::IsCheckedIn(int id, long const& value) {
    lParam0 = value;
    m_strSort = "CheckIn";
    if (id == CDAOSmMem::idBarcode)
        m_strFilter = value == 0 ? "Barcode = lParam0 AND Barcode <> 0" : "Barcode = lParam0";
    else
        m_strFilter = "MemberID = lParam0";
    return OpenSet(true);
}

int CDAOChkIn::FindChkIns() {
    m_strFilter.clear();
    m_strSort = "CheckIn";
    return OpenSet(true);
}
