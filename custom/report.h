#pragma once
// CReport: prints every report of the system. One call to PrintReport names
// the kind and its selection; the report goes to the system's default
// printer, or, when VANTO_PRINT names a folder, to one PDF file there, and
// nowhere when neither exists.

#include "custom/reportengine.h"

#include "db/daobon.h"
#include "db/daocenter.h"
#include "db/daodef.h"
#include "util/efoledatetime.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class CBodyComp;
class CCircuit;
class CDAOMem;
class CHeartRate;
class CNorms;
class CSkinFold;

class CReport : public CReportEngine {
public:
    // How the last PrintReport ended; the report server logs anything but
    // printed.
    enum class result {
        none,      // nothing asked yet
        printed,   // a job was printed or a PDF written
        empty,     // nothing to print for this selection (no job left behind)
        noPrinter, // neither a default printer nor VANTO_PRINT
        failed,    // the job or the PDF could not be written
    };

    // Reads VANTO_TXT, the facility, defaults and bonus records and the
    // workout option abbreviations.
    CReport();
    ~CReport() override;
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;

    // The entry point: the seven values of one report request.
    void PrintReport(int const& kind, long& id, CEFOleDateTime& date0, CEFOleDateTime& date1,
                     std::string& str0, std::string& str1, std::string& str2);
    // Draws the current kind on dc: its first lines and its body.
    void DoReport(CReportDC& dc, long& id, CEFOleDateTime& date0, CEFOleDateTime& date1,
                  std::string& str0, std::string& str1, std::string& str2);

    result GetLastResult() const { return lastResult_; }
    // Why the last report was not printed, empty when it was.
    const std::string& GetLastError() const { return lastError_; }
    // What the reader of a printed report should know about it (text files
    // that were missing), empty when nothing.
    const std::string& GetLastWarning() const { return lastWarning_; }

    // Called by a report that finds nothing to print: why, naming the
    // member and the record that were asked for.
    void NothingToPrint(std::string why) { nothingReason_ = std::move(why); }
    // The first line of a report at (x, y), which also starts the header of
    // every continued page; returns the next y.
    int DoFirstLine(CReportDC& dc, int const& x, int y, const std::string& text);
    // pattern with its inserts %1.. filled, fitted to width units by
    // shortening the inserts listed in shorten (1-based: names, the
    // facility), longest first, each with an ellipsis; the dates and numbers
    // stay whole.
    static std::string FitInserts(const CReportDC& dc, const std::string& pattern,
                                  std::vector<std::string> inserts,
                                  std::initializer_list<int> shorten, int const& width);

    // Finds the member of a request; when there is none, says so as the
    // reason nothing is printed.
    bool FindMember(CDAOMem& member, long const& id);

    // Whether the kind draws the dates of a request, so they must be dates
    // a report can print (years 1900 to 9999).
    static bool UsesDates(int const& kind, long const& id, bool& second);
    // The PDF written by the last report, when it went to VANTO_PRINT.
    const std::string& GetLastOutput() const { return lastOutput_; }

    const CDAOCenter& GetCenter() const { return center_; }
    const CDAODef& GetDefaults() const { return defaults_; }
    const CDAOBon& GetBonuses() const { return bonuses_; }

    // The PDF name of a job: its title made safe for a file name and the
    // time stamp (yyyymmdd-hhmmss).
    static std::string PdfFileName(const std::string& title, const CEFOleDateTime& when);

protected:
    // The body of the current kind below its first lines at y, drawn by the
    // member, workout or interpretation reports; returns the next y.
    virtual int DoBody(CReportDC& dc, int const& x, int y, long& id, CEFOleDateTime& date0,
                       CEFOleDateTime& date1, std::string& str0, std::string& str1,
                       std::string& str2);

    // Calculation objects of the current report, released when the next
    // one starts.
    std::unique_ptr<CCircuit> circuit_;
    std::unique_ptr<CBodyComp> bodyComp_[2];
    std::unique_ptr<CSkinFold> skinFold_[2];
    std::unique_ptr<CNorms> norms_[2];
    std::unique_ptr<CHeartRate> heartRate_[2];

private:
    // The first lines of the current kind; false when the selection has
    // nothing to print.
    bool DoFirstLines(CReportDC& dc, int const& x, int& y, long& id, CEFOleDateTime& date0,
                      CEFOleDateTime& date1, std::string& str0, std::string& str1,
                      std::string& str2);
    void ReleaseCalculations();
    void Fail(result r, std::string why);

    CDAOCenter center_;
    CDAODef defaults_;
    CDAOBon bonuses_;
    result lastResult_ = result::none;
    std::string lastError_;
    std::string lastWarning_;
    std::string lastOutput_;
    std::string nothingReason_;
};
