#pragma once
// The frame that every printed report is drawn in: the kinds and their page
// layout, page breaks with running headers, the line-drawing helpers, the
// readers of the interpretation text files, the totals table and the small
// text builders. CReport adds the database, the printer and the report kinds.

#include "custom/reportdc.h"

#include <QBrush>
#include <QFont>
#include <QPageLayout>
#include <QPen>

#include <array>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

class CReportEngine {
public:
    enum report {
        rptMemberProfile = 0,
        rptMemberCount = 1,
        rptEmergencyContacts = 2,
        rptMembershipStatus = 3,
        rptRoster = 4,
        rptDailyWorkouts = 5,
        rptWorkoutSummaries = 6,
        rptMemberWorkouts = 7,
        rptClassWorkouts = 8,
        rptTestResults = 9,
        rptEvalComparison = 10,
        rptBodyCompInterp = 11,
        rptBodyCompComparison = 12,
        rptUnknownWorkouts = 13,
    };
    static constexpr int NumReports = 14;

    // Interpretation text files in the text folder.
    enum text {
        txtTraining = 0,
        txtLegBody,
        txtBodyComp,
        txtBodyFlex,
        txtSitups,
        txtAbdominal,
        txtStepTest,
        txtRun,
        txtHeartRecovery,
        txtBloodPressure,
        txtSpecial,
        txtFitGoals,
        txtPrecautions,
        txtRecommendations,
        txtBcIntro,
        txtBcBmi,
        txtBcRatio,
        txtBcMeasure,
        txtBcSkin,
        txtBcHydro,
        txtBcFat,
        txtBcLean,
        txtBcWeight,
        txtBcDiet,
        txtBcCalorie,
    };
    static constexpr int NumTexts = 25;

    // Kinds of the totals table.
    enum total {
        totHour = 0,
        totOption,
        totMinutes,
        totWorkouts,
        totWorkoutsOK,
        totOrientBonMin,
        totOrientBonWk,
        totReEvalBonMin,
        totReEvalBonWk,
        totOtherBonMin,
        totOtherBonWk,
    };
    static constexpr int NumTotals = 46;

    // Member flags: the id argument of the member-list and summary reports.
    enum memberflag {
        mfShowId = 0x01,
        mfAll = 0x02,
        mfCurrent = 0x04,
        mfPast = 0x08,
        mfAllDates = 0x10,
    };

    // Columns of the member table, each printed only when set.
    struct MemberCols {
        bool name = false, id = false, status = false, expiration = false, enrPeriod = false,
             gradeStatus = false, emerContact = false, emerPhone = false, physician = false,
             signedRelease = false, address = false, phone = false;
    };
    // Columns of the workout table; minutes and options are always printed.
    struct WorkoutCols {
        bool id = false, name = false, date = false, inOut = false, workCounts = false;
    };

    CReportEngine();
    virtual ~CReportEngine() = default;

    void SetReport(int const& kind) { report_ = kind; }
    int GetReport() const { return report_; }
    static bool IsReport(int kind) { return kind >= 0 && kind < NumReports; }
    // Title of a kind: also the print job's name.
    static std::string ReportTitle(int kind);

    // Layout of the current kind for a device of dpiY dots per inch: title,
    // orientation, margin, lines per page, page width and font.
    void ResetLayout(int const& dpiY);
    const std::string& GetTitle() const { return title_; }
    QPageLayout::Orientation GetOrientation() const { return orientation_; }
    int GetMargin() const { return margin_; }
    int GetLinesPerPage() const { return linesPerPage_; }
    int GetPageWidth() const { return pageWidth_; }
    int GetPageCount() const { return pageCount_; }
    const QFont& GetFont() const { return font_; }
    // Character height in device units (the font's em height).
    int GetCharHeight() const { return charHeight_; }

    void SetContinuation(const std::string& firstLine) { continuation_ = firstLine; }
    const std::string& GetContinuation() const { return continuation_; }

    // Page-break test before drawing lines lines at y: y itself when they fit,
    // else the y below the header of a new page.
    int CheckPageLen(CReportDC& dc, int y, int const& lines, bool const& tableHead,
                     bool const& tableSwitch);
    // Header of a continued page; returns the y below it.
    int DoHeader(CReportDC& dc, int const& x, int y, bool const& tableHead,
                 bool const& tableSwitch);

    // The table head of the current kind (member or workout columns, the id
    // column by tableSwitch where the kind lets it choose); returns the y
    // below it, or y itself for kinds without a table.
    int DoTableHead(CReportDC& dc, int const& x, int y, bool const& tableSwitch);
    // A table head of the current report's own (the comparisons' columns),
    // drawn in place of the kind's head until the next layout.
    using TableHead = std::function<int(CReportDC&, int const& x, int y)>;
    void SetTableHead(TableHead head) { tableHead_ = std::move(head); }

    int DoSignBlock(CReportDC& dc, int const& x, int y);
    void DoHorzLine(CReportDC& dc, int const& x0, int const& x1, int const& y);
    void DoVertLine(CReportDC& dc, int const& y0, int const& y1, int const& x);
    void DoDashLine(CReportDC& dc, int const& x0, int const& x1, int const& y);

    // Column heads; each returns y two lines lower.
    int DoWorkoutTblHead(const WorkoutCols& cols, CReportDC& dc, int const& x, int y);
    int DoMemberTblHead(const MemberCols& cols, CReportDC& dc, int const& x, int y);

    // Readers of a text file, in the order the report consumes its lines.
    // Each returns the next y; a stream that is not open draws nothing.
    int DoLines(CReportDC& dc, std::ifstream& in, int const& x, int y, bool const& print);
    int DoOneLine(CReportDC& dc, std::ifstream& in, int const& x, int y, bool const& print);
    int DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y, int const& v);
    int DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y, int const& v0,
                  int const& v1);
    int DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y, double const& v);
    int DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y, const std::string& s);
    int DoFmtLine(CReportDC& dc, int const& x, int y, const std::string& fmt, double const& v);

    // Called by a report that finds nothing to print: why, naming the
    // member and the record that were asked for.
    void NothingToPrint(std::string why) { nothingReason_ = std::move(why); }
    const std::string& NothingReason() const { return nothingReason_; }
    // The first line of a report at (x, y), which also starts the header of
    // every continued page; returns the next y.
    int DoFirstLine(CReportDC& dc, int const& x, int y, const std::string& text);
    // The first line from pattern and its inserts, fitted to the page as
    // FitInserts does; returns the next y.
    int DoTitle(CReportDC& dc, int const& x, int y, const std::string& pattern,
                std::vector<std::string> inserts, std::initializer_list<int> shorten);
    // A dashed line from x to the right margin; returns the next y.
    int DoRule(CReportDC& dc, int const& x, int y);
    // pattern with its inserts %1.. filled, fitted to width units by
    // shortening the inserts listed in shorten (1-based: names, the
    // facility), longest first, each with an ellipsis; the dates and numbers
    // stay whole.
    static std::string FitInserts(const CReportDC& dc, const std::string& pattern,
                                  std::vector<std::string> inserts,
                                  std::initializer_list<int> shorten, int const& width);

    // Path of a text kind's file in the text folder; 0 for an unknown kind.
    int GetTextPath(int const& kind, std::string& path) const;
    const std::string& GetTextFolder() const { return textFolder_; }
    // Text files the current report could not open, by file name.
    void NoteMissingText(int const& kind);
    const std::set<std::string>& MissingTexts() const { return missingTexts_; }
    void ClearMissingTexts() { missingTexts_.clear(); }

    void SetTotal(int const& kind, long const& value, int const& i);
    long GetTotal(int const& kind, int const& i) const;
    // Slot of a kind and sub-index, or -1 when the sub-index does not fit.
    static int GetTotalIndex(int const& kind, int const& i);
    void ResetTotals() { totals_.fill(0); }

    static int BuildStatusStr(std::string& out, long const& flags);
    static int BuildClassStr(std::string& out, const std::string& category,
                             const std::string& course, const std::string& section);
    static unsigned char CStringToBYTE(const std::string& s);

    // Workout option abbreviations: the column heads of the workout tables.
    void SetOptionAbbrs(std::vector<std::string> abbrs) { optionAbbrs_ = std::move(abbrs); }
    const std::vector<std::string>& GetOptionAbbrs() const { return optionAbbrs_; }

protected:
    // Prints one line at (x, y) and returns the next y.
    int PrintLine(CReportDC& dc, int const& x, int y, const std::string& text);
    // Reads one line of a text file; false at the end or when not open.
    static bool ReadTextLine(std::ifstream& in, std::string& line);
    // Reads one line as a format, fills it with fill and prints the result.
    int FmtFromFile(CReportDC& dc, std::ifstream& in, int const& x, int y,
                    const std::function<std::string(const std::string&)>& fill);

    QPen pen_;
    QBrush brush_;
    QBrush hatchBrush_;
    QBrush greyBrush_;

private:
    std::string title_;
    std::string continuation_;
    std::string textFolder_;
    int report_ = rptMemberProfile;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    int margin_ = 0;
    int linesPerPage_ = 67;
    int pageWidth_ = 6350;
    int pageCount_ = 0;
    int charHeight_ = 0;
    QFont font_;
    std::array<long, NumTotals> totals_{};
    std::vector<std::string> optionAbbrs_;
    std::set<std::string> missingTexts_;
    TableHead tableHead_;
    std::string nothingReason_;
};
