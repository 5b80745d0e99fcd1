#include "desk/core/listprinting.h"

#include "desk/core/deskprintjob.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/progress.h"
#include "desk/core/recordlist.h"

#include "custom/reportdc.h"
#include "util/format.h"
#include "util/notice.h"

#include <algorithm>

using namespace vantora;

namespace {

// Lines above the first record of a page: the header, a blank line, the
// headings and their rule.
constexpr int kHeadLines = 4;

struct MemberColumn {
    unsigned bit;
    const char* heading;
    int chars;
};
constexpr MemberColumn kMemberColumns[] = {
    {CMemberListDoc::colName, "Name", 35},
    {CMemberListDoc::colId, "ID #", 11},
    {CMemberListDoc::colBarcode, "Workout #", 11},
    {CMemberListDoc::colStatus, "Membership Status", 19},
    {CMemberListDoc::colExpiration, "Expiration", 0},
};

std::string MemberCell(const CMemberListDoc::Row& r, unsigned bit) {
    switch (bit) {
    case CMemberListDoc::colName:
        return r.name;
    case CMemberListDoc::colId:
        return std::to_string(r.id);
    case CMemberListDoc::colBarcode:
        return r.barcode ? std::to_string(r.barcode) : std::string();
    case CMemberListDoc::colStatus:
        return r.status;
    default:
        return r.expiration;
    }
}

} // namespace

CListPrintout CListPrintout::Members(const CMemberListDoc& list, unsigned mask,
                                     const std::string& facility) {
    CListPrintout p;
    p.Title = list.Title();
    p.Facility = facility;
    p.Today.Current();
    p.Orientation = QPageLayout::Portrait;
    p.RowsPerPage = MemberRowsPerPage;
    std::vector<unsigned> bits;
    for (const MemberColumn& c : kMemberColumns)
        if (mask & c.bit) {
            p.Columns.push_back({c.heading, c.chars});
            bits.push_back(c.bit);
        }
    p.Rows = static_cast<int>(list.Rows().size());
    p.Cell = [&list, bits](int row, int column) {
        return MemberCell(list.Rows()[static_cast<std::size_t>(row)],
                          bits[static_cast<std::size_t>(column)]);
    };
    return p;
}

CListPrintout CListPrintout::Records(const CRecordList& list, const std::string& facility) {
    CListPrintout p;
    p.Title = list.Title;
    p.Facility = facility;
    p.Today.Current();
    p.Orientation = QPageLayout::Landscape;
    p.RowsPerPage = RecordRowsPerPage;
    const std::vector<CListColumn> all = list.Columns();
    const std::vector<int> shown = list.Shown();
    for (int i : shown) {
        const CListColumn& c = all[static_cast<std::size_t>(i)];
        // Screen widths are pixels of about six to a character.
        p.Columns.push_back(
            {c.Title, std::max(c.Width / 6, static_cast<int>(c.Title.size()) + 1) + 1});
    }
    p.Rows = list.Count();
    p.Cell = [&list, shown](int row, int column) {
        return list.Cell(row, shown[static_cast<std::size_t>(column)]);
    };
    return p;
}

std::vector<CPrintOption> CListPrintout::MemberOptions() {
    std::vector<CPrintOption> options;
    for (const MemberColumn& c : kMemberColumns)
        options.push_back({c.heading, static_cast<long>(c.bit)});
    return options;
}

std::vector<CPrintOption> CListPrintout::RecordOptions(const CRecordList& list) {
    std::vector<CPrintOption> options;
    std::vector<std::string> last;
    for (const CListColumn& c : list.Columns()) {
        auto it = std::find_if(options.begin(), options.end(),
                               [&c](const CPrintOption& o) { return o.Bit == c.Bit; });
        if (it == options.end()) {
            options.push_back({c.Title, c.Bit});
            last.push_back({});
        } else {
            last[static_cast<std::size_t>(it - options.begin())] = c.Title;
        }
    }
    for (std::size_t i = 0; i < options.size(); ++i)
        if (!last[i].empty())
            options[i].Label = insert("%1 to %2", {options[i].Label, last[i]});
    return options;
}

bool CListPrintout::CheckMask(long mask) {
    if (mask != 0)
        return true;
    notice::show(MsgSelectOne, notice::Icon::Exclamation);
    return false;
}

QFont CListPrintout::Font(int dpiY) {
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, (8 * dpiY + 36) / 72));
    return font;
}

std::string CListPrintout::Header(int page) const {
    return insert("%1, %2, %3 - Page %4", {Title, Facility, Today.DateStrShortYear(), page});
}

int CListPrintout::Draw(CReportDC& dc, CProgress& progress) const {
    if (Columns.empty())
        return 0;
    const int lh = dc.LineSpacing();
    const int acw = dc.AveCharWidth();
    const int width = dc.PageWidth();
    // Column edges; a list wider than the paper is narrowed evenly, and
    // each cell is kept inside its column.
    int total = 0;
    for (const Column& c : Columns)
        total += c.Chars > 0 ? c.Chars : 10;
    const int lineChars = std::max(1, width / acw);
    std::vector<int> left, right;
    int x = 0;
    for (const Column& c : Columns) {
        const int chars = c.Chars > 0 ? c.Chars : 10;
        const int w = total > lineChars ? chars * lineChars / total : chars;
        left.push_back(x * acw);
        x += c.Chars > 0 || total > lineChars ? w : lineChars - x;
        right.push_back(std::min(width, x * acw));
    }
    // The spaced rows per page, fewer when the paper holds fewer lines.
    const int fits = std::max(1, dc.PageHeight() / lh - kHeadLines);
    const int perPage = std::max(1, std::min(RowsPerPage, fits));

    CProgressScope scope(progress, MsgPrinting, Rows);
    int page = 0;
    int y = 0;
    auto head = [&] {
        if (page > 0)
            dc.EndPage();
        ++page;
        dc.TextOutFit(0, 0, Header(page), width);
        y = 2 * lh;
        for (std::size_t c = 0; c < Columns.size(); ++c)
            dc.TextOutFit(left[c], y, Columns[c].Heading, right[c] - left[c] - acw);
        y += lh;
        dc.TextOut(0, y, std::string(static_cast<std::size_t>(std::max(1, x - 1)), '-'));
        y += lh;
    };
    head();
    for (int row = 0; row < Rows; ++row) {
        if (row > 0 && row % perPage == 0)
            head();
        for (std::size_t c = 0; c < Columns.size(); ++c)
            dc.TextOutFit(left[c], y, Cell(row, static_cast<int>(c)), right[c] - left[c] - acw);
        y += lh;
        scope.Step();
    }
    return page;
}

bool CListPrintout::Print(QPrinter* printer, CProgress& progress) const {
    if (Columns.empty())
        return false;
    return PrintDeskJob(printer, Title, Orientation, [&](CReportDC& dc, int dpi) {
        dc.SelectFont(Font(dpi));
        return Draw(dc, progress) > 0;
    });
}
