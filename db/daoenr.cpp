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

int CDAOEnr::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                     bool const& replace) {
    if (!in.is_open())
        return 0;
    const int stored = RestoreFields(in, delimiter, memberId, replace);
    Op(opClose);
    return stored;
}

int CDAOEnr::RestoreFields(std::istream& in, char const& delimiter, long const& memberId,
                           bool const& replace) {
    constexpr std::size_t ReadLimit = 4096;
    // A set left open by the previous line takes a new record as it is.
    const int found = replace || !IsOpen() ? FindEnrollment(memberId) : 0;
    Op(replace && found > 0 ? opEdit : opAddNew);
    MemberID = memberId;
    EnrollmentDate = ToDateTime(ReadField(in, delimiter, ReadLimit));
    ExpirationDate = ToDateTime(ReadField(in, delimiter, ReadLimit));
    EnrollmentPeriod = ToByte(ReadField(in, delimiter, ReadLimit));
    IncentiveClub = ToByte(ReadField(in, delimiter, ReadLimit));
    Op(opUpdate);
    return LastOpFailed() ? 0 : 1;
}
