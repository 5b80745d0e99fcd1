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

namespace {
constexpr std::size_t ReadLimit = 4096;
} // namespace

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
    std::vector<std::string> f;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        f.push_back(ReadField(in, delimiter, ReadLimit));
        DecodeLine(f.back());
    }
    const int stored = TakeFields(f, 0) ? StoreFields(f, 0, memberId, replace) : 0;
    Op(opClose);
    return stored;
}

int CDAOEnr::StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                         bool const& replace) {
    // A set left open by the previous line takes a new record as it is; a
    // replace looks the member's record up (the query also keeps a newly
    // opened set small).
    int found = 0;
    if (replace || !IsOpen())
        found = FindEnrollment(memberId);
    const bool edit = replace && found > 0;
    if (edit)
        Op(opEdit);
    // An open or an edit reads the stored record into the values: take the
    // line's again.
    TakeFields(f, at);
    if (!edit)
        AddNewAsIs();
    MemberID = memberId;
    Op(opUpdate);
    return LastOpFailed() ? 0 : 1;
}
