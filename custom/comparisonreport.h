#pragma once
// The comparison reports: two evaluations or two body compositions of one
// member side by side, with their differences (first minus second).

#include "custom/reportcontext.h"
#include "custom/reportengine.h"
#include "custom/reportselection.h"

#include <string>

class CDAOMem;

class CCmprReport {
public:
    CCmprReport(CReportEngine& engine, const CReportContext& context)
        : report_(engine), context_(context) {}

    // The evaluation comparison and the body composition comparison: their
    // first lines and table; returns the next y. Other kinds draw nothing.
    int DoReport(CReportDC& dc, int const& x, const CReportSelection& request);

    // One row's values: first and second at x1 and x2 and their difference
    // at x3; "NT" for a 0 and "--" for the difference when either is "NT".
    // True when "NT" was printed.
    bool DoCmprLine(CReportDC& dc, int const& first, int const& second, int const& x1,
                    int const& x2, int const& x3, int const& y);
    bool DoCmprLine(CReportDC& dc, double const& first, double const& second, int const& x1,
                    int const& x2, int const& x3, int const& y);

    // Whole years from birthday to date (0 when either is unreadable or the
    // date comes first).
    static int AgeAt(const CEFOleDateTime& birthday, const CEFOleDateTime& date);

private:
    // The rows of a comparison table below its head: section heads kept
    // with their first row, the column heads repeated on every continued
    // page, and the closing line with the "NT" legend.
    class Rows {
    public:
        Rows(CCmprReport& owner, CReportDC& dc, int const& m, int const& y);
        void Section(const char* head);
        void Int(const std::string& name, long const& a, long const& b);
        void Double(const std::string& name, double const& a, double const& b);
        // Two texts without a difference.
        void Text(const std::string& name, const std::string& a, const std::string& b);
        // The closing line; returns the next y.
        int End();

    private:
        void Name(const std::string& name);
        CCmprReport& owner_;
        CReportDC& dc_;
        int m_, y_, ls_;
        bool anyNT_ = false;
    };

    int DoEvalComparison(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime d0,
                         CEFOleDateTime d1);
    int DoBodyCompComparison(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime d0,
                             CEFOleDateTime d1);
    // Title (a pattern with the member's first and last name), dates,
    // member id, facility and the column heads; returns the y of the first
    // row.
    int DoCmprFirstLines(CReportDC& dc, int const& m, int y, const CDAOMem& member, long const& id,
                         const std::string& title, const char* datesLine,
                         const CEFOleDateTime& first, const CEFOleDateTime& second);
    int DoCmprColumns(CReportDC& dc, int const& m, int y, const std::string& first,
                      const std::string& second);
    // The reason nothing is printed: the member and the dates not found.
    void NoRecord(const CDAOMem& member, long const& id, const char* what,
                  const CEFOleDateTime* missing0, const CEFOleDateTime* missing1);

    CReportEngine& report_;
    const CReportContext& context_;
};
