#include "daoenr.h"

void CDAOEnr::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.DateTime("[EnrollmentDate]", EnrollmentDate);
    fx.DateTime("[ExpirationDate]", ExpirationDate);
    fx.Byte("[EnrollmentPeriod]", EnrollmentPeriod);
    fx.Byte("[IncentiveClub]", IncentiveClub);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOEnr::FindEnrollment(long const& memberId) {
    lParam0 = memberId;
    m_strFilter = "MemberID = lParam0";
    return OpenSet(true);
}

bool CDAOEnr::TakeFields(std::vector<std::string> const& f, std::size_t at) {
    return f.size() >= at + FieldCount && ParseDateTime(f[at], true, EnrollmentDate) &&
           ParseDateTime(f[at + 1], true, ExpirationDate) &&
           ParseByte(f[at + 2], 0, 255, EnrollmentPeriod) &&
           ParseByte(f[at + 3], 0, 255, IncentiveClub);
}

int CDAOEnr::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                     bool const& replace) {
    if (!in.is_open())
        return 0;
    const std::vector<std::string> f = ReadRestoreFields(in, delimiter, FieldCount);
    const int stored = TakeFields(f, 0) ? StoreFields(f, 0, memberId, replace) : 0;
    Op(opClose);
    return stored;
}

int CDAOEnr::StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                         bool const& replace) {
    // A set left open by the previous line takes a new record as it is.
    const int found = replace || !IsOpen() ? FindEnrollment(memberId) : 0;
    return StoreRestored(replace && found > 0, [&] {
        TakeFields(f, at);
        MemberID = memberId;
    });
}
