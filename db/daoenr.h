#pragma once
// Enrollments: each member's membership period (table Enrollments of
// members.mdb).

#include "daoefset.h"

#include <istream>

class CDAOEnr : public CDAOEFSet {
public:
    CDAOEnr() { m_nFields = 5; }

    long MemberID = 0;
    CEFOleDateTime EnrollmentDate;
    CEFOleDateTime ExpirationDate;
    unsigned char EnrollmentPeriod = 0;
    unsigned char IncentiveClub = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Enrollments]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    int FindEnrollment(long const& memberId);

    // Restores the enrollment fields of an export line (dates, period,
    // incentive club); with replace the member's record is rewritten, else a
    // new one added.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& replace) override;
    // The same from any stream, leaving the set open for the next line.
    int RestoreFields(std::istream& in, char const& delimiter, long const& memberId,
                      bool const& replace);
};
