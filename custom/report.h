#pragma once
// CReport: prints every report of the system. One call to PrintReport names
// the kind and its selection; the report goes to the system's default
// printer, or, when VANTO_PRINT names a folder, to one PDF file there, and
// nowhere when neither exists.

#include "custom/reportcontext.h"
#include "custom/reportengine.h"
#include "custom/reportselection.h"
#include "util/efoledatetime.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

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
    // Draws the request's kind on dc (the kind set by SetReport): the kind
    // draws its first lines and its body, or nothing when its selection has
    // nothing to print.
    void DoReport(CReportDC& dc, const CReportSelection& request);

    result GetLastResult() const { return lastResult_; }
    // Why the last report was not printed, empty when it was.
    const std::string& GetLastError() const { return lastError_; }
    // What the reader of a printed report should know about it (text files
    // that were missing), empty when nothing.
    const std::string& GetLastWarning() const { return lastWarning_; }

    // Whether the kind draws the dates of a request, so they must be dates
    // a report can print (years 1900 to 9999).
    static bool UsesDates(int const& kind, long const& id, bool& second);
    // The PDF written by the last report, when it went to VANTO_PRINT.
    const std::string& GetLastOutput() const { return lastOutput_; }

    const CReportContext& GetContext() const { return context_; }
    const CDAOCenter& GetCenter() const { return context_.center; }
    const CDAODef& GetDefaults() const { return context_.defaults; }
    const CDAOBon& GetBonuses() const { return context_.bonuses; }

    // The PDF name of a job: its title made safe for a file name and the
    // time stamp (yyyymmdd-hhmmss).
    static std::string PdfFileName(const std::string& title, const CEFOleDateTime& when);

private:
    void Fail(result r, std::string why);

    CReportContext context_;
    result lastResult_ = result::none;
    std::string lastError_;
    std::string lastWarning_;
    std::string lastOutput_;
};
