#include "report.h"

#include "custom/comparisonreport.h"
#include "custom/interpretationreport.h"
#include "custom/memberreport.h"
#include "custom/workoutreport.h"
#include "db/connection.h"
#include "db/daostn.h"
#include "util/format.h"
#include "util/notice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <cctype>
#include <cstdlib>
#include <exception>

namespace {

// Margins of a PDF page: a letter sheet holds the 4800 (portrait) or 6350
// (landscape) units of a report line and its lines per page at 600 dpi.
constexpr double kPdfSideMargin = 0.25;      // inch
constexpr double kPdfTopBottomMargin = 0.15; // inch
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
    std::string safe;
    for (char c : title) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == ' ' || c == '-' || c == '_')
            safe += c;
        else if (c == '/' || c == '\\')
            safe += '-';
        // Quotes and other marks are left out.
    }
    if (safe.empty())
        safe = "Report";
    return safe + " " + when.Format("%Y%m%d-%H%M%S") + ".pdf";
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

    std::unique_ptr<QPrinter> printer;
    QString partPath;
    QString finalPath;
    const char* folder = std::getenv("VANTO_PRINT");
    if (folder && *folder) {
        const QDir dir(QString::fromStdString(folder));
        if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
            Fail(result::failed,
                 vantora::insert("Error: cannot create the print folder %1", {folder}));
            return;
        }
        CEFOleDateTime now;
        now.Current();
        const std::string name = PdfFileName(ReportTitle(kind), now);
        finalPath = dir.absoluteFilePath(QString::fromStdString(name));
        // Two jobs of one kind in the same second keep both files.
        for (int n = 2; QFileInfo::exists(finalPath); ++n)
            finalPath = dir.absoluteFilePath(QString::fromStdString(
                name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".pdf"));
        // The PDF is written under a temporary name and renamed only when
        // complete, so a folder never shows a half-written report.
        partPath = dir.absoluteFilePath(QStringLiteral(".") + QFileInfo(finalPath).fileName() +
                                        QStringLiteral(".part"));
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(kPdfResolution);
        printer->setOutputFileName(partPath);
        printer->setPageSize(QPageSize(QPageSize::Letter));
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            Fail(result::noPrinter, "Error: no default printer, and VANTO_PRINT is not set");
            return;
        }
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }

    ResetLayout(printer->resolution());
    printer->setPageOrientation(GetOrientation());
    if (!partPath.isEmpty())
        printer->setPageMargins(
            QMarginsF(kPdfSideMargin, kPdfTopBottomMargin, kPdfSideMargin, kPdfTopBottomMargin),
            QPageLayout::Inch);
    printer->setDocName(QString::fromStdString(GetTitle()));

    auto discard = [&] {
        if (!partPath.isEmpty())
            QFile::remove(partPath);
    };

    QPainter painter;
    if (!painter.begin(printer.get())) {
        discard();
        Fail(result::failed,
             vantora::insert("Error: cannot start the print job \"%1\"", {GetTitle()}));
        return;
    }
    int drawn = 0;
    std::string error;
    {
        auto catcher = std::make_shared<StoreErrorCatcher>();
        vantora::notice::ScopedHandler scope(catcher);
        CReportDC dc(painter, [&printer] { return printer->newPage(); });
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
    const bool keep = error.empty() && drawn > 0;
    if (!keep && partPath.isEmpty())
        printer->abort();
    painter.end();

    if (!error.empty()) {
        discard();
        Fail(result::failed, vantora::insert("Error: the report \"%1\" could not be drawn: %2",
                                             {GetTitle(), error}));
        return;
    }
    if (drawn == 0) {
        discard();
        std::string why = vantora::insert("Nothing to print for the report \"%1\"", {GetTitle()});
        if (!NothingReason().empty())
            why += ": " + NothingReason();
        Fail(result::empty, why);
        return;
    }
    if (printer->printerState() == QPrinter::Error) {
        discard();
        Fail(result::failed, vantora::insert("Error: the print job \"%1\" failed", {GetTitle()}));
        return;
    }
    if (!partPath.isEmpty()) {
        if (QFileInfo(partPath).size() <= 0 || !QFile::rename(partPath, finalPath)) {
            discard();
            Fail(result::failed,
                 vantora::insert("Error: cannot write %1", {finalPath.toStdString()}));
            return;
        }
        lastOutput_ = finalPath.toStdString();
    }
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

void CReport::DoReport(CReportDC& dc, const CReportRequest& request) {
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
