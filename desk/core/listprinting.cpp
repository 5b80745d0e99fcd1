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
// Headings are not shortened below this many characters to fit the line.
constexpr int kShortestHeading = 8;
// Indent of the further lines of a record too wide for one.
constexpr int kIndent = 2;

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
    {CMemberListDoc::colExpiration, "Expiration", 10},
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
        p.Columns.push_back({c.Title, 0});
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
    // 8 points, rounded to whole pixels.
    return DeskPrintFace(QFont::TypeWriter, (8 * dpiY + 36) / 72);
}

std::vector<int> CListPrintout::Widths(int lineChars) const {
    // A fitted column needs its widest cell and wants its heading too.
    std::vector<int> need, want;
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        const int heading = static_cast<int>(Columns[c].Heading.size()) + 1;
        if (Columns[c].Chars > 0) {
            need.push_back(Columns[c].Chars);
            want.push_back(Columns[c].Chars);
            continue;
        }
        int widest = 2;
        for (int row = 0; row < Rows; ++row)
            widest = std::max(widest, static_cast<int>(Cell(row, static_cast<int>(c)).size()));
        need.push_back(widest + 1);
        want.push_back(std::max(widest + 1, heading));
    }
    auto sum = [](const std::vector<int>& v) {
        int total = 0;
        for (int w : v)
            total += w;
        return total;
    };
    if (sum(want) <= lineChars)
        return want;
    // Too wide: long headings are shortened first, down to their cells,
    // but not below a readable few characters.
    const int longest = *std::max_element(want.begin(), want.end());
    std::vector<int> capped(want.size());
    for (int cap = longest - 1; cap >= kShortestHeading; --cap) {
        for (std::size_t c = 0; c < want.size(); ++c)
            capped[c] = std::max(need[c], std::min(want[c], cap));
        if (sum(capped) <= lineChars)
            return capped;
    }
    // Still too wide: the record takes more than one line (see Draw).
    return capped;
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
    // Column edges; each cell is kept inside its column, half a character
    // clear of the next. Columns that do not fit on the line go on in
    // further lines of the same record, indented.
    const int lineChars = std::max(1, width / acw);
    const std::vector<int> chars = Widths(lineChars);
    std::vector<int> left, right, band;
    int x = 0;
    int bands = 1;
    for (int w : chars) {
        if (x > kIndent && x + w > lineChars) {
            ++bands;
            x = kIndent;
        }
        band.push_back((bands - 1) * lh);
        left.push_back(x * acw);
        x += w;
        right.push_back(std::min(width, x * acw));
    }
    // The rows per page, fewer when the paper holds fewer lines.
    const int headLines = kHeadLines - 1 + bands;
    const int fits = std::max(1, (dc.PageHeight() / lh - headLines) / bands);
    const int perPage = std::max(1, std::min(RowsPerPage, fits));
    const int ruleEnd = *std::max_element(right.begin(), right.end());

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
            dc.TextOutFit(left[c], y + band[c], Columns[c].Heading, right[c] - left[c] - acw / 2);
        y += bands * lh;
        const int dashes = (ruleEnd - acw / 2) / std::max(1, dc.TextWidth("-"));
        dc.TextOut(0, y, std::string(static_cast<std::size_t>(std::max(1, dashes)), '-'));
        y += lh;
    };
    head();
    for (int row = 0; row < Rows; ++row) {
        if (row > 0 && row % perPage == 0)
            head();
        for (std::size_t c = 0; c < Columns.size(); ++c)
            dc.TextOutFit(left[c], y + band[c], Cell(row, static_cast<int>(c)),
                          right[c] - left[c] - acw / 2);
        y += bands * lh;
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
