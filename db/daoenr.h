#pragma once
// Enrollments: each member's membership period (table Enrollments of
// members.mdb).

#include "daoefset.h"

#include <cstddef>
#include <string>
#include <vector>

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
    // The fields of this table in a split member line from index `at`:
    // checked and taken into the current values; false when one does not
    // parse or lies outside its column's range.
    bool TakeFields(std::vector<std::string> const& f, std::size_t at);
    // Writes them for the member: over its record when replace and it has
    // one, else as a new record; the set stays open for the next line.
    // 1 when stored.
    int StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                    bool const& replace);
    static constexpr std::size_t FieldCount = 4;
};
