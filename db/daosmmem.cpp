#include "daosmmem.h"

#include "daochkin.h"
#include "daocls.h"

void CDAOSmMem::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.Long("[Barcode]", Barcode);
    fx.Text("[FirstName]", FirstName);
    fx.Text("[MiddleInitial]", MiddleInitial);
    fx.Text("[LastName]", LastName);
    fx.Byte("[MemberStatus]", MemberStatus);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOSmMem::FindAllMembers(bool count) {
    m_strFilter.clear();
    m_strSort.clear();
    return OpenSet(count);
}

int CDAOSmMem::FindAllMembersByName(bool count) {
    m_strFilter.clear();
    m_strSort = "LastName";
    return OpenSet(count);
}

int CDAOSmMem::FindAllMembersByStatus(unsigned char const& status, bool count) {
    byteParam0 = status;
    m_strFilter = "MemberStatus = byteParam0";
    m_strSort = "LastName";
    return OpenSet(count);
}

long CDAOSmMem::FindMember(int id, long const& value) {
    lParam0 = value;
    if (id == idBarcode)
        m_strFilter = value == 0 ? "Barcode = lParam0 AND Barcode <> 0" : "Barcode = lParam0";
    else
        m_strFilter = "MemberID = lParam0";
    if (OpenSet(true) == 0)
        return 0;
    return id == idBarcode ? MemberID : Barcode;
}

bool CDAOSmMem::GetMember(int id, long const& value, std::string& first, std::string& middle,
                          std::string& last, unsigned char& status) {
    first.clear();
    middle.clear();
    last.clear();
    status = 0;
    if (CountSet() == 0 || (id != idMember && id != idBarcode))
        return false;
    while (!IsEOF()) {
        if (!IsDeleted() && (id == idMember ? MemberID : Barcode) == value) {
            first = FirstName;
            middle = MiddleInitial;
            last = LastName;
            status = MemberStatus;
            return true;
        }
        Op(opMoveNext);
    }
    return false;
}

int CDAOSmMem::CountPast() {
    int n = 0;
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (!IsDeleted() && MemberStatus == 0)
            ++n;
        Op(opMoveNext);
    }
    Op(opMoveFirst);
    return n;
}

std::string CDAOSmMem::GetStatusStr(unsigned char const& status) {
    return status == 0 ? "Past" : "Current";
}

void CDAOSmMem::DelCheckIns(long memberId) const {
    // Every open visit of the member goes, not only the first.
    CDAOChkIn chkin;
    if (chkin.IsCheckedIn(idMember, memberId) > 0)
        chkin.DelAll();
    chkin.Op(opClose);
}

void CDAOSmMem::DelCurrent() {
    if (IsOpen() && !IsEOF() && !IsDeleted())
        DelCheckIns(MemberID);
    CDAOEFSet::DelCurrent();
}

int CDAOSmMem::DelAll() {
    if (IsOpen()) {
        while (!IsEOF()) {
            if (!IsDeleted())
                DelCheckIns(MemberID);
            Op(opMoveNext);
        }
    }
    return CDAOEFSet::DelAll();
}

bool CDAOSmMem::TakeFields(std::vector<std::string> const& f, std::size_t at) {
    if (f.size() < at + FieldCount || !ParseLong(f[at], 0, 999999999, Barcode) ||
        !ParseByte(f[at + 4], 0, 255, MemberStatus))
        return false;
    FirstName = CDAOCls::FitColumn(f[at + 1], "Members", "FirstName");
    MiddleInitial = CDAOCls::FitColumn(f[at + 2], "Members", "MiddleInitial");
    LastName = CDAOCls::FitColumn(f[at + 3], "Members", "LastName");
    return true;
}

int CDAOSmMem::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                       bool const& replace) {
    if (!in.is_open())
        return 0;
    const std::vector<std::string> f = ReadRestoreFields(in, delimiter, FieldCount);
    const int stored = TakeFields(f, 0) ? StoreFields(f, 0, memberId, replace) : 0;
    Op(opClose);
    return stored;
}

int CDAOSmMem::StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                           bool const& replace) {
    // A set left open by the previous line takes a new record as it is; a
    // replace looks the member's record up (the query also keeps a newly
    // opened set small).
    int found = 0;
    if (replace || !IsOpen()) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0";
        m_strSort.clear();
        found = OpenSet(true);
    }
    return StoreRestored(replace && found > 0, [&] {
        TakeFields(f, at);
        MemberID = memberId;
    });
}
