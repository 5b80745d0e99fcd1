#include "reportengine.h"

#include "util/efoledatetime.h"
#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"

#include <cstdlib>
#include <iterator>

namespace {

struct KindLayout {
    const char* title;
    bool landscape;
    int margin;
    int divisor;
};

constexpr KindLayout kKinds[CReportEngine::NumReports] = {
    {"Member Profile", false, 0, 64},
    {"Member Count", false, 50, 64},
    {"Member Emergency Contacts", false, 25, 72},
    {"Membership Status", true, 25, 72},
    {"Category/Course/Section Roster", false, 25, 72},
    {"Daily Workouts", true, 50, 72},
    {"Workout Summaries", true, 50, 72},
    {"Member Workouts", false, 25, 72},
    {"Category/Course/Section Workouts", true, 50, 72},
    {"Test Results Interpretation", false, 50, 56},
    {"Evaluation Comparision", false, 0, 64},
    {"Body Composition Interpretation", false, 50, 56},
    {"Body Composition Comparison", false, 0, 64},
    {"Category \"Unknown\" Workouts", true, 50, 72},
};
constexpr KindLayout kUndefined = {"Undefined Report", false, 0, 72};

constexpr const char* kTextFiles[] = {
    "Training.txt", "Leg_body.txt", "Bodycomp.txt", "Bodyflex.txt", "Situps.txt",
    "Abdomina.txt", "Steptst.txt",  "Run.txt",      "Hearreco.txt", "bloodp.txt",
    "Special.txt",  "Fitgoals.txt", "Precaut.txt",  "Recomm.txt",   "bcintro.txt",
    "bcbmi.txt",    "bcratio.txt",  "bcmeasr.txt",  "bcskin.txt",   "bchydro.txt",
    "bcfat.txt",    "bclean.txt",   "bcweight.txt", "bcdiet.txt",   "bccalorie.txt",
};
static_assert(std::size(kTextFiles) == CReportEngine::NumTexts);

// Longest line of a text file that is kept; the rest of a longer line is
// dropped so the following lines still come in order.
constexpr std::size_t kMaxTextLine = 399;

const KindLayout& layoutOf(int kind) {
    return CReportEngine::IsReport(kind) ? kKinds[kind] : kUndefined;
}

// Multiplies and divides with rounding, as the character height is defined.
int mulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p + (p >= 0 ? c / 2 : -c / 2)) / c);
}

} // namespace

CReportEngine::CReportEngine()
    : pen_(QBrush(Qt::black), 1, Qt::SolidLine), brush_(Qt::black, Qt::SolidPattern),
      hatchBrush_(Qt::black, Qt::BDiagPattern), greyBrush_(QColor(192, 192, 192)) {
    textFolder_ = vantora::FacilityLocation::current().textFolder();
    if (textFolder_.empty())
        vantora::notice::show("Error: system environment variable \"VANTO_TXT\" is not set",
                              vantora::notice::Icon::None);
}

std::string CReportEngine::ReportTitle(int kind) {
    return layoutOf(kind).title;
}

void CReportEngine::ResetLayout(int const& dpiY) {
    title_.clear();
    continuation_.clear();
    tableHead_ = nullptr;
    const KindLayout& k = layoutOf(report_);
    title_ = k.title;
    orientation_ = k.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    margin_ = k.margin;
    if (k.landscape) {
        linesPerPage_ = 62;
        pageWidth_ = 6350;
    } else {
        linesPerPage_ = 67;
        pageWidth_ = 4800;
    }
    pageCount_ = 0;

    // The character height (not the cell height) is 8/divisor of an inch.
    charHeight_ = mulDiv(8, dpiY, k.divisor);
    font_ = QFont();
    // A fixed-pitch face with compact line spacing first, so that a page of
    // 67 lines fits a letter sheet; the generic family is the fallback.
    font_.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                       QStringLiteral("Courier New"), QStringLiteral("monospace")});
    font_.setStyleHint(QFont::TypeWriter);
    font_.setPixelSize(charHeight_ > 0 ? charHeight_ : 1);
    font_.setWeight(QFont::Normal);
}

int CReportEngine::CheckPageLen(CReportDC& dc, int y, int const& lines, bool const& tableHead,
                                bool const& tableSwitch) {
    const int ls = dc.LineSpacing();
    // A page never takes more lines than fit on the device, so a tall font on
    // a short page breaks early instead of running off the sheet.
    int fit = linesPerPage_;
    if (dc.PageHeight() > 0)
        fit = std::min(fit, dc.PageHeight() / ls);
    if (y / ls + lines < fit)
        return y;
    dc.EndPage();
    ++pageCount_;
    return DoHeader(dc, margin_, 0, tableHead, tableSwitch);
}

int CReportEngine::DoHeader(CReportDC& dc, int const& x, int y, bool const& tableHead,
                            bool const& tableSwitch) {
    const int ls = dc.LineSpacing();
    dc.TextOut(x, y, continuation_ + std::to_string(pageCount_ + 1));
    y += ls;
    DoDashLine(dc, x, pageWidth_ - margin_, y);
    y += 3 * ls;
    return tableHead ? DoTableHead(dc, x, y, tableSwitch) : y;
}

int CReportEngine::DoTableHead(CReportDC& dc, int const& x, int y, bool const& tableSwitch) {
    if (tableHead_)
        return tableHead_(dc, x, y);
    switch (report_) {
    case rptEmergencyContacts: {
        MemberCols c;
        c.name = c.emerContact = c.emerPhone = c.physician = true;
        c.id = tableSwitch;
        return DoMemberTblHead(c, dc, x, y);
    }
    case rptMembershipStatus: {
        MemberCols c;
        c.name = c.address = c.phone = c.expiration = true;
        c.id = tableSwitch;
        return DoMemberTblHead(c, dc, x, y);
    }
    case rptRoster: {
        MemberCols c;
        c.name = c.status = c.expiration = c.enrPeriod = c.gradeStatus = true;
        c.id = tableSwitch;
        return DoMemberTblHead(c, dc, x, y);
    }
    case rptDailyWorkouts:
        return DoWorkoutTblHead({true, true, false, true, false}, dc, x, y);
    case rptWorkoutSummaries:
    case rptClassWorkouts:
        return DoWorkoutTblHead({tableSwitch, true, false, false, true}, dc, x, y);
    case rptMemberWorkouts:
        return DoWorkoutTblHead({false, false, true, true, false}, dc, x, y);
    case rptUnknownWorkouts:
        return DoWorkoutTblHead({true, true, true, true, false}, dc, x, y);
    default:
        return y;
    }
}

int CReportEngine::DoSignBlock(CReportDC& dc, int const& x, int y) {
    y = CheckPageLen(dc, y, 4, false, false);
    CEFOleDateTime today;
    today.Current();
    const int ls = dc.LineSpacing();
    dc.TextOut(x, y,
               vantora::insert("Printed by: ___________________________ Date: %1",
                               {today.DateStrLongYear()}));
    y += 2 * ls;
    dc.TextOut(x, y, "Reviewed by: __________________________ Date: __________");
    return y + ls;
}

void CReportEngine::DoHorzLine(CReportDC& dc, int const& x0, int const& x1, int const& y) {
    dc.Line(x0, y, x1, y, pen_);
}

void CReportEngine::DoVertLine(CReportDC& dc, int const& y0, int const& y1, int const& x) {
    dc.Line(x, y0, x, y1, pen_);
}

void CReportEngine::DoDashLine(CReportDC& dc, int const& x0, int const& x1, int const& y) {
    const int w = dc.AveCharWidth();
    const int room = x1 - x0;
    std::string dashes;
    // Dashes while their summed width stays below the room between x0 and x1.
    while (static_cast<int>(dashes.size() + 1) * w < room)
        dashes += '-';
    // The average width is rounded; the drawn line never passes x1.
    while (!dashes.empty() && dc.TextWidth(dashes) > room)
        dashes.pop_back();
    dc.TextOut(x0, y, dashes);
}

int CReportEngine::DoWorkoutTblHead(const WorkoutCols& cols, CReportDC& dc, int const& x, int y) {
    const int w = dc.AveCharWidth();
    int col = x;
    if (cols.id) {
        dc.TextOut(col, y, "ID #");
        col += 11 * w;
    }
    if (cols.name) {
        dc.TextOut(col, y, "Name");
        col += 35 * w;
    }
    if (cols.date) {
        dc.TextOut(col, y, "Date");
        col += 11 * w;
    }
    if (cols.inOut) {
        dc.TextOut(col, y, "In");
        dc.TextOut(col + 6 * w, y, "Out");
        col += 12 * w;
    }
    dc.TextOut(col, y, "Min");
    col += 7 * w;
    for (const auto& abbr : optionAbbrs_) {
        dc.TextOut(col, y, abbr);
        col += 6 * w;
    }
    if (cols.workCounts) {
        dc.TextOut(col, y, "Work");
        dc.TextOut(col + 5 * w, y, "WorkOK");
    } else {
        dc.TextOut(col, y, "OK");
    }
    return y + 2 * dc.LineSpacing();
}

int CReportEngine::DoMemberTblHead(const MemberCols& cols, CReportDC& dc, int const& x, int y) {
    const int w = dc.AveCharWidth();
    int col = x;
    auto head = [&](bool on, const char* text, int width) {
        if (!on)
            return;
        dc.TextOut(col, y, text);
        col += width * w;
    };
    head(cols.name, "Name", 37);
    head(cols.id, "ID #", 11);
    head(cols.status, "Status", 9);
    head(cols.address, "Address", 62);
    head(cols.phone, "Phone", 17);
    head(cols.expiration, "Expiration", 12);
    head(cols.enrPeriod, "Enroll Per", 12);
    head(cols.gradeStatus, "Grade Status", 14);
    head(cols.emerContact, "Emergency Contact", 33);
    head(cols.emerPhone, "Emergency Phone", 17);
    head(cols.physician, "Family Physician", 32);
    head(cols.signedRelease, "Signed Release", 0);
    return y + 2 * dc.LineSpacing();
}

bool CReportEngine::ReadTextLine(std::ifstream& in, std::string& line) {
    if (!in.is_open() || !std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > kMaxTextLine)
        line.resize(kMaxTextLine);
    return true;
}

int CReportEngine::PrintLine(CReportDC& dc, int const& x, int y, const std::string& text) {
    dc.TextOut(x, y, text);
    return y + dc.LineSpacing();
}

int CReportEngine::DoLines(CReportDC& dc, std::ifstream& in, int const& x, int y,
                           bool const& print) {
    if (!in.is_open() || in.peek() == std::char_traits<char>::eof())
        return y;
    std::vector<std::string> lines;
    bool marker = false;
    std::string line;
    while (ReadTextLine(in, line)) {
        if (!line.empty() && line.front() == '@') {
            marker = true;
            break;
        }
        lines.push_back(line);
    }
    if (!print)
        return y;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A heading (the first line of a block, or a line before a blank
        // line) keeps the next line of text with it on its page.
        const bool heading =
            !lines[i].empty() && i + 1 < lines.size() && (i == 0 || lines[i + 1].empty());
        const bool blankNext = i + 1 < lines.size() && lines[i + 1].empty();
        const int keep = heading ? (blankNext && i + 2 < lines.size() ? 4 : 3) : 2;
        y = CheckPageLen(dc, y, keep, false, false);
        y = PrintLine(dc, x, y, lines[i]);
    }
    if (marker)
        y += dc.LineSpacing();
    return y;
}

int CReportEngine::DoOneLine(CReportDC& dc, std::ifstream& in, int const& x, int y,
                             bool const& print) {
    if (!in.is_open())
        return y;
    y = CheckPageLen(dc, y, 2, false, false);
    std::string line;
    if (ReadTextLine(in, line) && print)
        y = PrintLine(dc, x, y, line);
    return y;
}

int CReportEngine::FmtFromFile(CReportDC& dc, std::ifstream& in, int const& x, int y,
                               const std::function<std::string(const std::string&)>& fill) {
    if (!in.is_open())
        return y;
    y = CheckPageLen(dc, y, 2, false, false);
    std::string line;
    if (!ReadTextLine(in, line))
        return y;
    return PrintLine(dc, x, y, fill(line));
}

int CReportEngine::DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y, int const& v) {
    return FmtFromFile(dc, in, x, y, [&](const std::string& f) { return vantora::format(f, {v}); });
}

int CReportEngine::DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y, int const& v0,
                             int const& v1) {
    return FmtFromFile(dc, in, x, y, [&](const std::string& f) {
        return vantora::format(f, {v0, v1});
    });
}

int CReportEngine::DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y,
                             double const& v) {
    return FmtFromFile(dc, in, x, y, [&](const std::string& f) { return vantora::format(f, {v}); });
}

int CReportEngine::DoFmtLine(CReportDC& dc, std::ifstream& in, int const& x, int y,
                             const std::string& s) {
    return FmtFromFile(dc, in, x, y, [&](const std::string& f) { return vantora::insert(f, {s}); });
}

int CReportEngine::DoFmtLine(CReportDC& dc, int const& x, int y, const std::string& fmt,
                             double const& v) {
    y = CheckPageLen(dc, y, 2, false, false);
    return PrintLine(dc, x, y, vantora::format(fmt, {v}));
}

int CReportEngine::GetTextPath(int const& kind, std::string& path) const {
    if (kind < 0 || kind >= NumTexts) {
        path.clear();
        return 0;
    }
    path = textFolder_ + kTextFiles[kind];
    return 1;
}

int CReportEngine::DoFirstLine(CReportDC& dc, int const& x, int y, const std::string& text) {
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

std::string CReportEngine::FitInserts(const CReportDC& dc, const std::string& pattern,
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

int CReportEngine::DoTitle(CReportDC& dc, int const& x, int y, const std::string& pattern,
                           std::vector<std::string> inserts, std::initializer_list<int> shorten) {
    return DoFirstLine(
        dc, x, y, FitInserts(dc, pattern, std::move(inserts), shorten, pageWidth_ - margin_ - x));
}

int CReportEngine::DoRule(CReportDC& dc, int const& x, int y) {
    DoDashLine(dc, x, pageWidth_ - margin_, y);
    return y + dc.LineSpacing();
}

void CReportEngine::NoteMissingText(int const& kind) {
    if (kind >= 0 && kind < NumTexts)
        missingTexts_.insert(kTextFiles[kind]);
}

int CReportEngine::GetTotalIndex(int const& kind, int const& i) {
    switch (kind) {
    case totHour:
        return i >= 0 && i < 24 ? i : -1;
    case totOption:
        return i >= 0 && i < 13 ? 24 + i : -1;
    case totMinutes:
    case totWorkouts:
    case totWorkoutsOK:
    case totOrientBonMin:
    case totOrientBonWk:
    case totReEvalBonMin:
    case totReEvalBonWk:
    case totOtherBonMin:
    case totOtherBonWk:
        return 37 + (kind - totMinutes);
    default:
        return i >= 0 && i < NumTotals ? i : -1;
    }
}

void CReportEngine::SetTotal(int const& kind, long const& value, int const& i) {
    const int slot = GetTotalIndex(kind, i);
    if (slot >= 0)
        totals_[static_cast<std::size_t>(slot)] = value;
}

long CReportEngine::GetTotal(int const& kind, int const& i) const {
    const int slot = GetTotalIndex(kind, i);
    return slot >= 0 ? totals_[static_cast<std::size_t>(slot)] : 0;
}

int CReportEngine::BuildStatusStr(std::string& out, long const& flags) {
    if (flags & mfAll)
        out = "All Members";
    else if (flags & mfCurrent)
        out = "Current Members";
    else if (flags & mfPast)
        out = "Past Members";
    else
        out.clear();
    return out.empty() ? 0 : 1;
}

int CReportEngine::BuildClassStr(std::string& out, const std::string& category,
                                 const std::string& course, const std::string& section) {
    out.clear();
    for (const std::string* part : {&category, &course, &section}) {
        if (part->empty())
            continue;
        if (!out.empty())
            out += ' ';
        out += *part;
    }
    return out.empty() ? 0 : 1;
}

unsigned char CReportEngine::CStringToBYTE(const std::string& s) {
    if (s.empty())
        return 0;
    return static_cast<unsigned char>(std::atoi(s.c_str()));
}
