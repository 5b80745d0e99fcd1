#pragma once
// The interpretation and comparison reports: the test results of one
// evaluation and the body composition of one measurement, each with bar
// graphs and explanatory text chosen by score band from the interpretation
// text files, and the side-by-side comparisons of two evaluations or two
// body compositions with their differences.

#include "custom/report.h"

#include <fstream>
#include <functional>
#include <memory>
#include <string>

class CBodyComp;
class CCircuit;
class CDAOBodyComp;
class CDAOEval;
class CDAOMem;
class CHeartRate;
class CNorms;
class CSkinFold;

class CInterpReport {
public:
    explicit CInterpReport(CReport& report);
    ~CInterpReport();
    CInterpReport(const CInterpReport&) = delete;
    CInterpReport& operator=(const CInterpReport&) = delete;

    // The body of the test results (9), evaluation comparison (10), body
    // composition (11) and body composition comparison (12) reports below
    // their first lines; returns the next y. Other kinds draw nothing.
    int DoBody(CReportDC& dc, int const& x, int y, long& id, CEFOleDateTime& date0,
               CEFOleDateTime& date1, std::string& str0, std::string& str1, std::string& str2);

    // One interpretation text of the test results (kinds txtTraining to
    // txtRecommendations) for the evaluation of slot 0.
    int DoText(const CDAOMem& member, const CDAOEval& eval, int const& kind, CReportDC& dc,
               int const& x, int y);
    // One interpretation text of the body composition (txtBcIntro to
    // txtBcCalorie) for record r and its calculation object o.
    int DoText(const CDAOMem& member, const CDAOBodyComp& r, CBodyComp& o, int const& kind,
               CReportDC& dc, int const& x, int y);

    // A three-bar graph: score (solid), short-term goal (hatched) and
    // long-term goal (grey) in percent. Returns the y below it.
    int DoGraph(const std::string& title, double const& score, double const& shortGoal,
                double const& longGoal, CReportDC& dc, int const& x, int y);
    // The summary graph of every test of the evaluation that has a value.
    int DoGraph(const CDAOEval& eval, CReportDC& dc, int const& x, int y);

    // One comparison row's values: first and second at x1 and x2 and their
    // difference (first minus second) at x3; "NT" for a 0 and "--" for the
    // difference when either is "NT". True when "NT" was printed.
    bool DoCmprLine(CReportDC& dc, int const& first, int const& second, int const& x1,
                    int const& x2, int const& x3, int const& y);
    bool DoCmprLine(CReportDC& dc, double const& first, double const& second, int const& x1,
                    int const& x2, int const& x3, int const& y);

    // Makes out from the body composition record r of member, its values
    // converted to inches, pounds, millimetres and degrees Fahrenheit by the
    // record's unit flags. A record without a percent fat gets the computed
    // one. False when no object could be made.
    static bool CreateBodyComp(std::unique_ptr<CBodyComp>& out, CDAOBodyComp& r,
                               const CDAOMem& member);

    // Percent fat of the evaluation of slot i: the recorded value, else the
    // seven-, four- or three-site skin-fold estimate.
    double PercentFat(int const& i) const { return pctFat_[i]; }

    // Whole years from birthday to date (0 when either is unreadable or the
    // date comes first).
    static int AgeAt(const CEFOleDateTime& birthday, const CEFOleDateTime& date);

private:
    using Reader = std::function<int(std::ifstream&, int)>;

    int DoTestResults(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime date);
    int DoBodyCompInterp(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime date);
    int DoEvalComparison(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime d0,
                         CEFOleDateTime d1);
    int DoBodyCompComparison(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime d0,
                             CEFOleDateTime d1);
    // The head of a comparison: member id, facility name, and the item, the
    // two dates and "Difference" between dashed lines; returns the next y.
    int DoCmprHead(CReportDC& dc, int const& m, int y, long const& id, const CEFOleDateTime& first,
                   const CEFOleDateTime& second);

    // The calculation objects of evaluation slot i.
    void CreateEvalObjects(int const& i, const CDAOMem& member, const CDAOEval& eval);
    // "ID: %i" and "Class: %1" at the right of lines 1 and 2 (y is line 2).
    void DoIdAndClass(CReportDC& dc, int const& y, long const& id, unsigned char const& classIndx);
    int DoStrengthTable(CReportDC& dc, int const& x, int y, const CDAOEval& eval);

    // The common frame of a text: the file opened, read by sequence, closed.
    int WithText(int const& kind, CReportDC& dc, int const& x, int y, const Reader& sequence);
    // A band section: its format line filled by fmt and its block when the
    // band holds, else the whole section skipped.
    int Band(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& holds,
             const std::function<int(int)>& fmt);
    int Block(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& print = true);
    int Frame(CReportDC& dc, int const& x, int const& top, int const& rows);

    CReport& report_;
    std::unique_ptr<CCircuit> circuit_;
    std::unique_ptr<CNorms> norms_[2];
    std::unique_ptr<CSkinFold> skinFold_[2];
    std::unique_ptr<CHeartRate> heartRate_[2];
    std::unique_ptr<CBodyComp> bodyComp_[2];
    double pctFat_[2] = {0.0, 0.0};
};
