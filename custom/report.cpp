#include "report.h"

#include "custom/circuit.h"
#include "custom/interpreport.h"
#include "custom/memberreport.h"
#include "custom/workoutreport.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "db/daostn.h"
#include "db/daowk.h"
#include "util/bodycomp.h"
#include "util/format.h"
#include "util/heartrate.h"
#include "util/norms.h"

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
    lastOutput_.clear();
    SetReport(kind);
    if (!IsReport(kind)) {
        ResetLayout(kPdfResolution);
        Fail(result::empty, vantora::insert("Error: report kind %1 does not exist", {kind}));
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
        CReportDC dc(painter, [&printer] { return printer->newPage(); });
        dc.SelectFont(GetFont());
        try {
            DoReport(dc, id, date0, date1, str0, str1, str2);
        } catch (const std::exception& e) {
            error = e.what();
        }
        drawn = dc.Drawn();
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
        Fail(result::empty,
             vantora::insert("Nothing to print for the report \"%1\"", {GetTitle()}));
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
}

void CReport::DoReport(CReportDC& dc, long& id, CEFOleDateTime& date0, CEFOleDateTime& date1,
                       std::string& str0, std::string& str1, std::string& str2) {
    ReleaseCalculations();
    ResetTotals();
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
    case rptEvalComparison:
    case rptBodyCompInterp:
    case rptBodyCompComparison:
        return CInterpReport(*this).DoBody(dc, x, y, id, date0, date1, str0, str1, str2);
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

    // The first line also starts the header of every continued page.
    auto first = [&](const std::string& text) {
        SetContinuation(text + ", Page ");
        dc.TextOut(x, y, text);
        y += ls;
    };
    auto line = [&](const std::string& text) {
        dc.TextOut(x, y, text);
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
    auto findMember = [&] {
        member.FindMember(CDAOSmMem::idMember, id);
        return !member.IsEOF();
    };

    switch (GetReport()) {
    case rptMemberProfile:
        if (!findMember())
            return false;
        first(vantora::insert("%1 %2 - Member Profile", {member.FirstName, member.LastName}));
        line(vantora::insert("%1 - %2", {facility, today}));
        dash();
        return true;
    case rptMemberCount:
        first(vantora::insert("Member Count - %1 - %2", {today, facility}));
        dash();
        return true;
    case rptEmergencyContacts:
        first(vantora::insert("Emergency Contacts for %1 - %2 - %3", {status, today, facility}));
        dash();
        tableHead(showId);
        return true;
    case rptMembershipStatus:
        first(vantora::insert("%1 - %2 - %3", {status, today, facility}));
        dash();
        tableHead(showId);
        return true;
    case rptRoster:
        first(vantora::insert("Roster for %1, %2 - %3 - %4", {status, classText, today, facility}));
        dash();
        tableHead(showId);
        return true;
    case rptDailyWorkouts: {
        CDAOWk wk;
        CEFOleDateTime from = date0;
        CEFOleDateTime to = date1;
        if (wk.FindWks(0, from, to, CDAOWk::okAll) == 0)
            return false;
        first(vantora::insert("Daily Workouts for %1 - %2", {d0, facility}));
        dash();
        tableHead(true);
        return true;
    }
    case rptWorkoutSummaries:
        if (id & mfAllDates)
            first(vantora::insert("Workout Summaries for %1 - %2 - %3", {status, today, facility}));
        else
            first(vantora::insert("Workout Summaries for %1 - %2 to %3 - %4",
                                  {status, d0, d1, facility}));
        dash();
        tableHead(showId);
        return true;
    case rptMemberWorkouts:
        if (!findMember())
            return false;
        first(vantora::insert("Workouts for %1 %2, ID # %3, Class %4 - %5 - %6",
                              {member.FirstName, member.LastName, id, str1, today, facility}));
        dash();
        tableHead(false);
        return true;
    case rptClassWorkouts:
        if (id & mfAllDates)
            first(vantora::insert("Workout Summaries for %1, %2 - %3 - %4",
                                  {status, classText, today, facility}));
        else
            first(vantora::insert("Workout Summaries for %1, %2 - %3 to %4 - %5",
                                  {status, classText, d0, d1, facility}));
        return true;
    case rptTestResults:
        if (!findMember())
            return false;
        first(vantora::insert("%1 %2 - Test Results Interpretation",
                              {member.FirstName, member.LastName}));
        return true;
    case rptEvalComparison:
        if (!findMember())
            return false;
        first(
            vantora::insert("%1 %2 - Evaluation Comparison", {member.FirstName, member.LastName}));
        line(vantora::insert("Evaluations Dated %1 and %2", {d0, d1}));
        return true;
    case rptBodyCompInterp:
        if (!findMember())
            return false;
        first(vantora::insert("%1 %2 - Body Composition Interpretation",
                              {member.FirstName, member.LastName}));
        line(vantora::insert("As of Body Composition Dated %1", {d0}));
        return true;
    case rptBodyCompComparison:
        if (!findMember())
            return false;
        first(vantora::insert("%1 %2 - Body Composition Comparison",
                              {member.FirstName, member.LastName}));
        line(vantora::insert("Body Compositions Dated %1 and %2", {d0, d1}));
        return true;
    case rptUnknownWorkouts: {
        CDAOWk wk;
        const int n = wk.FindWks(0, CDAOWk::ClassUnknown);
        first(
            vantora::insert("All Category \"Unknown\" Workouts as of %1 - %2", {today, facility}));
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
