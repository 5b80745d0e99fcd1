#include "report.h"

#include "custom/comparisonreport.h"
#include "custom/interpretationreport.h"
#include "custom/memberreport.h"
#include "custom/printjob.h"
#include "custom/workoutreport.h"
#include "db/connection.h"
#include "db/daostn.h"
#include "util/format.h"
#include "util/notice.h"

#include <cstdlib>
#include <exception>

namespace {

// Resolution of the layout of a request that is refused before printing.
constexpr int kPdfResolution = 600;

// Years a printed date can show.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

bool printableDate(const CEFOleDateTime& d) {
    return d.GetStatus() == COleDateTime::valid && d.GetYear() >= kFirstYear &&
           d.GetYear() <= kLastYear;
}

// While a report is drawn, database errors are kept as the reason the
// report failed instead of being shown one by one; other notices pass on.
class StoreErrorCatcher : public vantora::notice::Handler {
public:
    StoreErrorCatcher() : previous_(vantora::notice::handler()) {}

    void show(const std::string& text, vantora::notice::Icon icon) override {
        const auto now = vantora::db::errorCount();
        if (now != seen_) {
            seen_ = now;
            if (first_.empty())
                first_ = text;
            return;
        }
        previous_->show(text, icon);
    }
    vantora::notice::Answer ask(const std::string& text, vantora::notice::Buttons buttons,
                                vantora::notice::Icon icon) override {
        return previous_->ask(text, buttons, icon);
    }
    bool Failed() const { return vantora::db::errorCount() != start_; }
    const std::string& First() const { return first_; }

private:
    std::shared_ptr<vantora::notice::Handler> previous_;
    unsigned long long start_ = vantora::db::errorCount();
    unsigned long long seen_ = start_;
    std::string first_;
};

} // namespace

CReport::CReport() {
    // The settings records are read once; their values stay in the sets.
    context_.Read();

    CDAOStn stations;
    const int n = stations.OpenSet(true);
    std::vector<std::string> abbrs;
    for (int i = 0; i < n && !stations.IsEOF(); ++i) {
        abbrs.push_back(stations.StnAbbr);
        stations.Op(CDAOEFSet::opMoveNext);
    }
    stations.Op(CDAOEFSet::opClose);
    SetOptionAbbrs(std::move(abbrs));
}

CReport::~CReport() = default;

void CReport::Fail(result r, std::string why) {
    lastResult_ = r;
    lastError_ = std::move(why);
}

std::string CReport::PdfFileName(const std::string& title, const CEFOleDateTime& when) {
    return CPrintJob::PdfFileName(title, when);
}

void CReport::PrintReport(int const& kind, long& id, CEFOleDateTime& date0, CEFOleDateTime& date1,
                          std::string& str0, std::string& str1, std::string& str2) {
    lastResult_ = result::none;
    lastError_.clear();
    lastWarning_.clear();
    lastOutput_.clear();
    SetReport(kind);
    if (!IsReport(kind)) {
        ResetLayout(kPdfResolution);
        Fail(result::empty, vantora::insert("Error: report kind %1 does not exist", {kind}));
        return;
    }
    // A date no report can show would head every page with an unreadable
    // range; such a request can never print.
    bool second = false;
    if (UsesDates(kind, id, second) &&
        (!printableDate(date0) || (second && !printableDate(date1)))) {
        ResetLayout(kPdfResolution);
        Fail(result::empty, vantora::insert("Error: the dates of the report \"%1\" lie outside "
                                            "the years %2 to %3",
                                            {ReportTitle(kind), kFirstYear, kLastYear}));
        return;
    }

    CPrintJob job;
    if (!job.Open(ReportTitle(kind))) {
        Fail(job.Result() == CPrintJob::result::noPrinter ? result::noPrinter : result::failed,
             job.Error());
        return;
    }
    ResetLayout(job.Resolution());
    if (!job.Begin(GetOrientation())) {
        Fail(result::failed, job.Error());
        return;
    }
    int drawn = 0;
    std::string error;
    {
        auto catcher = std::make_shared<StoreErrorCatcher>();
        vantora::notice::ScopedHandler scope(catcher);
        CReportDC dc(job.Painter(), [&job] { return job.NewPage(); });
        dc.SelectFont(GetFont());
        try {
            DoReport(dc, {kind, id, date0, date1, str0, str1, str2});
        } catch (const std::exception& e) {
            error = e.what();
        }
        drawn = dc.Drawn();
        // A store that could not be read makes any page, or the lack of
        // one, untrustworthy: the request waits for the store instead.
        if (error.empty() && catcher->Failed())
            error = catcher->First().empty() ? std::string("Error: a store could not be read")
                                             : catcher->First();
    }
    job.Finish(error.empty() && drawn > 0);

    if (!error.empty()) {
        if (error.rfind("Error: ", 0) == 0)
            error.erase(0, 7);
        Fail(result::failed, vantora::insert("Error: the report \"%1\" could not be drawn: %2",
                                             {GetTitle(), error}));
        return;
    }
    if (drawn == 0) {
        std::string why = vantora::insert("Nothing to print for the report \"%1\"", {GetTitle()});
        if (!NothingReason().empty())
            why += ": " + NothingReason();
        Fail(result::empty, why);
        return;
    }
    if (job.Result() != CPrintJob::result::printed) {
        Fail(result::failed, job.Error());
        return;
    }
    lastOutput_ = job.Output();
    lastResult_ = result::printed;
    if (!MissingTexts().empty()) {
        std::string names;
        for (const std::string& name : MissingTexts())
            names += (names.empty() ? "" : ", ") + name;
        lastWarning_ = vantora::insert("Warning: the report \"%1\" was printed without its text "
                                       "files %2 (not found in the folder \"%3\")",
                                       {GetTitle(), names, GetTextFolder()});
    }
}

bool CReport::UsesDates(int const& kind, long const& id, bool& second) {
    second = false;
    switch (kind) {
    case rptDailyWorkouts:
    case rptEvalComparison:
    case rptBodyCompComparison:
        second = true;
        return true;
    case rptWorkoutSummaries:
    case rptClassWorkouts:
        second = (id & mfAllDates) == 0;
        return second;
    case rptTestResults:
    case rptBodyCompInterp:
        return true;
    default:
        return false;
    }
}

void CReport::DoReport(CReportDC& dc, const CReportSelection& request) {
    ResetTotals();
    ClearMissingTexts();
    NothingToPrint({});
    const int x = GetMargin();
    switch (GetReport()) {
    case rptMemberProfile:
    case rptMemberCount:
    case rptEmergencyContacts:
    case rptMembershipStatus:
    case rptRoster:
        CMemberReport(*this, context_).DoReport(dc, x, request);
        break;
    case rptDailyWorkouts:
    case rptWorkoutSummaries:
    case rptMemberWorkouts:
    case rptClassWorkouts:
    case rptUnknownWorkouts:
        CWorkoutReport(*this, context_).DoReport(dc, x, request);
        break;
    case rptTestResults:
    case rptBodyCompInterp:
        CInterpReport(*this, context_).DoReport(dc, x, request);
        break;
    case rptEvalComparison:
    case rptBodyCompComparison:
        CCmprReport(*this, context_).DoReport(dc, x, request);
        break;
    default:
        break;
    }
}
