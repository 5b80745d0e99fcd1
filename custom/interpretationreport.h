#pragma once
// The interpretation reports: the test results of one evaluation and the
// body composition of one measurement, each with bar graphs and explanatory
// text chosen by score band from the interpretation text files. A missing
// text file leaves its text out but not its numbers; the report names the
// missing files in its warning.

#include "custom/reportcontext.h"
#include "custom/reportengine.h"
#include "custom/reportselection.h"

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
    // The calculation objects of one evaluation and its percent fat: the
    // recorded value, else the seven-, four- or three-site skin-fold
    // estimate (0 when none can be made).
    struct EvalCalc {
        std::unique_ptr<CNorms> norms;
        std::unique_ptr<CSkinFold> skinFold;
        std::unique_ptr<CHeartRate> heartRate;
        double pctFat = 0.0;
    };
    static EvalCalc MakeEvalCalc(const CDAOMem& member, const CDAOEval& eval, int const& age);

    CInterpReport(CReportEngine& engine, const CReportContext& context);
    ~CInterpReport();
    CInterpReport(const CInterpReport&) = delete;
    CInterpReport& operator=(const CInterpReport&) = delete;

    // The test results (9) and body composition (11) reports: their first
    // lines and body; returns the next y. Other kinds draw nothing.
    int DoReport(CReportDC& dc, int const& x, const CReportSelection& request);

    // One interpretation text of the test results (kinds txtTraining to
    // txtRecommendations) for the evaluation.
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

    // Makes out from the body composition record r of member, its values
    // converted to inches, pounds, millimetres and degrees Fahrenheit by the
    // record's unit flags, for the member's age today or the age given. A
    // record without a percent fat gets the computed one (0 when none can
    // be computed). False when no object could be made.
    static bool CreateBodyComp(std::unique_ptr<CBodyComp>& out, CDAOBodyComp& r,
                               const CDAOMem& member, int const& age = -1);

    // Percent fat of the evaluation of the last test results report.
    double PercentFat() const { return calc_.pctFat; }

private:
    using Reader = std::function<int(std::ifstream&, int)>;

    int DoTestResults(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime date);
    int DoBodyCompInterp(CReportDC& dc, int const& x, int y, long const& id, CEFOleDateTime date);
    // The title (a pattern with the member's first and last name, which are
    // shortened when it would reach the right column) at y, "ID: %i" on its
    // line and "Class: %1" on the next at the right; returns the y of the
    // second line.
    int DoHead(CReportDC& dc, int const& x, int y, const std::string& title, const CDAOMem& member,
               long const& id, unsigned char const& classIndx);
    int DoStrengthTable(CReportDC& dc, int const& x, int y, const CDAOEval& eval);

    // The common frame of a text: the file opened, read by sequence, closed.
    // A file that cannot be opened is noted as missing and its sequence runs
    // on the closed stream, so the numbers that do not come from the file
    // still print.
    int WithText(int const& kind, CReportDC& dc, int const& x, int y, const Reader& sequence);
    // A band section: its format line filled by fmt and its block when the
    // band holds, else the whole section skipped.
    int Band(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& holds,
             const std::function<int(int)>& fmt);
    int Block(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& print = true);
    // A format line of the file filled with v, or, when the file is missing,
    // the value with the fixed format fallback.
    int Fmt(std::ifstream& in, CReportDC& dc, int const& x, int y, const char* fallback,
            double const& v);
    int Fmt(std::ifstream& in, CReportDC& dc, int const& x, int y, const char* fallback,
            int const& v);
    int Frame(CReportDC& dc, int const& x, int const& top, int const& rows);

    CReportEngine& report_;
    const CReportContext& context_;
    std::unique_ptr<CCircuit> circuit_;
    EvalCalc calc_;
    std::unique_ptr<CBodyComp> bodyComp_;
};
