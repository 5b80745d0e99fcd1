#include "report.h"

#include "custom/circuit.h"
#include "custom/comparisonreport.h"
#include "custom/interpretationreport.h"
#include "custom/memberreport.h"
#include "custom/workoutreport.h"
#include "db/connection.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "db/daostn.h"
#include "db/daowk.h"
#include "util/bodycomp.h"
#include "util/format.h"
#include "util/heartrate.h"
#include "util/norms.h"
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
    center_.OpenSet(true);
    center_.Op(CDAOEFSet::opClose);
    defaults_.OpenSet(true);
    defaults_.Op(CDAOEFSet::opClose);
    bonuses_.OpenSet(true);
    bonuses_.Op(CDAOEFSet::opClose);

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

void CReport::ReleaseCalculations() {
    circuit_.reset();
    for (int i = 0; i < 2; ++i) {
        bodyComp_[i].reset();
        skinFold_[i].reset();
        norms_[i].reset();
        heartRate_[i].reset();
    }
}

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
            DoReport(dc, id, date0, date1, str0, str1, str2);
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
        if (!nothingReason_.empty())
            why += ": " + nothingReason_;
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

bool CReport::FindMember(CDAOMem& member, long const& id) {
    member.FindMember(CDAOSmMem::idMember, id);
    if (member.IsOpen() && !member.IsEOF())
        return true;
    NothingToPrint(vantora::insert("no member has the ID %1", {id}));
    return false;
}

int CReport::DoFirstLine(CReportDC& dc, int const& x, int y, const std::string& text) {
    SetContinuation(text + ", Page ");
    dc.TextOut(x, y, text);
    return y + dc.LineSpacing();
}

namespace {

std::string fillInserts(const std::string& pattern, const std::vector<std::string>& inserts) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < inserts.size())
                out += inserts[n];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string CReport::FitInserts(const CReportDC& dc, const std::string& pattern,
                                std::vector<std::string> inserts,
                                std::initializer_list<int> shorten, int const& width) {
    static const QString kMark = QStringLiteral("\u2026");
    for (;;) {
        const std::string text = fillInserts(pattern, inserts);
        if (dc.TextWidth(text) <= width)
            return text;
        // The longest insert that may still be shortened loses one character.
        std::string* longest = nullptr;
        qsizetype most = 6;
        for (int n : shorten) {
            if (n < 1 || n > static_cast<int>(inserts.size()))
                continue;
            std::string& s = inserts[static_cast<std::size_t>(n - 1)];
            const qsizetype len = QString::fromStdString(s).size();
            if (len > most) {
                most = len;
                longest = &s;
            }
        }
        if (!longest)
            return dc.Fit(text, width);
        QString s = QString::fromStdString(*longest);
        if (s.endsWith(kMark))
            s.chop(1);
        s.chop(1);
        *longest = (s.trimmed() + kMark).toStdString();
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

void CReport::DoReport(CReportDC& dc, long& id, CEFOleDateTime& date0, CEFOleDateTime& date1,
                       std::string& str0, std::string& str1, std::string& str2) {
    ReleaseCalculations();
    ResetTotals();
    ClearMissingTexts();
    nothingReason_.clear();
    const int x = GetMargin();
    int y = 0;
    if (!DoFirstLines(dc, x, y, id, date0, date1, str0, str1, str2))
        return;
    DoBody(dc, x, y, id, date0, date1, str0, str1, str2);
}

int CReport::DoBody(CReportDC& dc, int const& x, int y, long& id, CEFOleDateTime& date0,
                    CEFOleDateTime& date1, std::string& str0, std::string& str1,
                    std::string& str2) {
    switch (GetReport()) {
    case rptMemberProfile:
    case rptMemberCount:
    case rptEmergencyContacts:
    case rptMembershipStatus:
    case rptRoster:
        return CMemberReport(*this).DoBody(dc, x, y, id, date0, date1, str0, str1, str2);
    case rptDailyWorkouts:
    case rptWorkoutSummaries:
    case rptMemberWorkouts:
    case rptClassWorkouts:
    case rptUnknownWorkouts:
        return CWorkoutReport(*this).DoBody(dc, x, y, id, date0, date1, str0, str1, str2);
    case rptTestResults:
    case rptBodyCompInterp:
        return CInterpReport(*this).DoBody(dc, x, y, id, date0);
    case rptEvalComparison:
    case rptBodyCompComparison:
        return CCmprReport(*this).DoBody(dc, x, y, id, date0, date1);
    default:
        return y;
    }
}

bool CReport::DoFirstLines(CReportDC& dc, int const& x, int& y, long& id, CEFOleDateTime& date0,
                           CEFOleDateTime& date1, std::string& str0, std::string& str1,
                           std::string& str2) {
    const int ls = dc.LineSpacing();
    CEFOleDateTime now;
    now.Current();
    const std::string today = now.DateStrLongYear();
    const std::string& facility = center_.Name;
    const std::string d0 = date0.DateStrLongYear();
    const std::string d1 = date1.DateStrLongYear();
    std::string status;
    BuildStatusStr(status, id);
    std::string classText;
    BuildClassStr(classText, str0, str1, str2);
    const bool showId = (id & mfShowId) != 0;
    const int width = GetPageWidth() - GetMargin() - x;

    // The first line, its names and facility shortened when it would run
    // off the page; it also starts the header of every continued page.
    auto first = [&](const std::string& pattern, std::vector<std::string> inserts,
                     std::initializer_list<int> shorten) {
        y = DoFirstLine(dc, x, y, FitInserts(dc, pattern, std::move(inserts), shorten, width));
    };
    auto line = [&](const std::string& text) {
        dc.TextOutFit(x, y, text, width);
        y += ls;
    };
    auto dash = [&] {
        DoDashLine(dc, x, GetPageWidth() - GetMargin(), y);
        y += ls;
    };
    // The table head of the kind below a blank line, as on continued pages.
    auto tableHead = [&](bool idSwitch) {
        y += ls;
        y = DoTableHead(dc, x, y, idSwitch);
    };
    // The member of the request, or nothing to print.
    CDAOMem member;
    auto findMember = [&] { return FindMember(member, id); };

    switch (GetReport()) {
    case rptMemberProfile:
        if (!findMember())
            return false;
        first("%1 %2 - Member Profile", {member.FirstName, member.LastName}, {1, 2});
        line(vantora::insert("%1 - %2", {facility, today}));
        dash();
        return true;
    case rptMemberCount:
        first("Member Count - %1 - %2", {today, facility}, {2});
        dash();
        return true;
    case rptEmergencyContacts:
        first("Emergency Contacts for %1 - %2 - %3", {status, today, facility}, {3});
        dash();
        tableHead(showId);
        return true;
    case rptMembershipStatus:
        first("%1 - %2 - %3", {status, today, facility}, {3});
        dash();
        tableHead(showId);
        return true;
    case rptRoster:
        first("Roster for %1, %2 - %3 - %4", {status, classText, today, facility}, {2, 4});
        dash();
        tableHead(showId);
        return true;
    case rptDailyWorkouts: {
        CDAOWk wk;
        CEFOleDateTime from = date0;
        CEFOleDateTime to = date1;
        if (wk.FindWks(0, from, to, CDAOWk::okAll) == 0)
            return false;
        first("Daily Workouts for %1 - %2", {d0, facility}, {2});
        dash();
        tableHead(true);
        return true;
    }
    case rptWorkoutSummaries:
        if (id & mfAllDates)
            first("Workout Summaries for %1 - %2 - %3", {status, today, facility}, {3});
        else
            first("Workout Summaries for %1 - %2 to %3 - %4", {status, d0, d1, facility}, {4});
        dash();
        tableHead(showId);
        return true;
    case rptMemberWorkouts:
        if (!findMember())
            return false;
        first("Workouts for %1 %2, ID # %3, Class %4 - %5 - %6",
              {member.FirstName, member.LastName, std::to_string(id), str1, today, facility},
              {1, 2, 4, 6});
        dash();
        tableHead(false);
        return true;
    case rptClassWorkouts:
        if (id & mfAllDates)
            first("Workout Summaries for %1, %2 - %3 - %4", {status, classText, today, facility},
                  {2, 4});
        else
            first("Workout Summaries for %1, %2 - %3 to %4 - %5",
                  {status, classText, d0, d1, facility}, {2, 5});
        return true;
    case rptTestResults:
    case rptEvalComparison:
    case rptBodyCompInterp:
    case rptBodyCompComparison:
        // These find their records first and print their own first lines.
        return true;
    case rptUnknownWorkouts: {
        CDAOWk wk;
        const int n = wk.FindWks(0, CDAOWk::ClassUnknown);
        first("All Category \"Unknown\" Workouts as of %1 - %2", {today, facility}, {2});
        dash();
        if (n > 0) {
            tableHead(true);
            return true;
        }
        y += ls;
        line("No workouts found");
        dash();
        return true;
    }
    default:
        return false;
    }
}
