#pragma once
// The member reports: the member profile, the member count with its
// breakdown by category, course and section, and the three member tables
// (emergency contacts, membership status and the class roster).

#include "custom/reportcontext.h"
#include "custom/reportengine.h"
#include "custom/reportselection.h"

#include <string>

class CDAOCls;
class CDAOMem;

class CMemberReport {
public:
    CMemberReport(CReportEngine& engine, const CReportContext& context)
        : report_(engine), context_(context) {}

    // The member report kinds (profile, count, emergency contacts,
    // membership status, roster): their first lines and body; returns the
    // next y. Other kinds draw nothing.
    int DoReport(CReportDC& dc, int const& x, const CReportSelection& request);
    // The first lines of the kind; false when there is nothing to print.
    bool DoFirstLines(CReportDC& dc, int const& x, int& y, const CReportSelection& request);

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
    CReportEngine& report_;
    const CReportContext& context_;
};
