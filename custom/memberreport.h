#pragma once
// The member reports: the member profile, the member count with its
// breakdown by category, course and section, and the three member tables
// (emergency contacts, membership status and the class roster).

#include "custom/report.h"

#include <string>

class CDAOCls;
class CDAOMem;

class CMemberReport {
public:
    explicit CMemberReport(CReport& report) : report_(report) {}

    // The body of the member report kinds (profile, count, emergency
    // contacts, membership status, roster) below their first lines; returns
    // the next y. Other kinds draw nothing.
    int DoBody(CReportDC& dc, int const& x, int y, long& id, CEFOleDateTime& date0,
               CEFOleDateTime& date1, std::string& str0, std::string& str1, std::string& str2);

    // Opens set on the members the member flags choose: all members by name
    // with mfAll, else the current (mfCurrent) or past members by name.
    // Returns the number of members. Works on CDAOMem and CDAOSmMem.
    template <class MemberSet> static int SelectMembers(MemberSet& set, long const& flags) {
        if (flags & CReportEngine::mfAll)
            return set.FindAllMembersByName(true);
        return set.FindAllMembersByStatus((flags & CReportEngine::mfCurrent) ? 1 : 0, true);
    }

    // One row of the member table for the current member, with the grade
    // status of cls when given; breaks the page (repeating the table head
    // with the id column as cols.id) first. Returns y one line lower.
    int DoMember(const CDAOMem& member, const CDAOCls* cls, const CReportEngine::MemberCols& cols,
                 CReportDC& dc, int const& x, int y);

    int DoMemberTable(CReportDC& dc, int const& x, int y, long const& flags,
                      const std::string& category, const std::string& course,
                      const std::string& section);
    int DoMemberCount(CReportDC& dc, int const& x, int y);
    int DoMemberProfile(CReportDC& dc, int const& x, int y, long const& id);

    // The columns each member table prints; the id column by flag mfShowId.
    static CReportEngine::MemberCols ColumnsOf(int const& kind, long const& flags);

private:
    CReport& report_;
};
