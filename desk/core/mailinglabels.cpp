#include "desk/core/mailinglabels.h"

#include "desk/core/deskprintjob.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/postaladdress.h"
#include "desk/core/progress.h"

#include "custom/reportdc.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

namespace {

// Left edges of the three label columns, in average character widths of a
// label face whose 46 characters span the sheet's column pitch of 2 3/4
// inch. The width is fixed by the sheet rather than taken from the face, so
// the columns land on the labels whatever serif face the system has.
constexpr int kColumnStart[CMailingLabels::Columns] = {3, 49, 95};
constexpr int kCharsPerColumn = 46;
constexpr int kPitchNum = 11; // 2 3/4 inch = 11/4
constexpr int kPitchDen = 4;

} // namespace

std::string CMailingLabels::Question(int count) {
    return format("Printing mailing labels will require %i sheet(s)\nof 1\" x 2 5/8\" labels. "
                  "If your printer is ready,\nclick \"OK\" to print the labels now.",
                  {Sheets(count)});
}

int CMailingLabels::ColumnX(int column, int dpi) {
    return kColumnStart[column] * dpi * kPitchNum / (kPitchDen * kCharsPerColumn);
}

QFont CMailingLabels::Font(int dpi) {
    return DeskPrintFace(QFont::Serif, dpi * 16 / 100);
}

bool CMailingLabels::Draw(CReportDC& dc, int dpi, const std::vector<CPostalAddress>& to,
                          CProgress& progress) {
    const int lh = dc.LineSpacing();
    // A line stays on its own label of 2 5/8 inch: it ends before the gap
    // to the next label.
    const int width = dpi * 21 / 8 - 2 * ColumnX(0, dpi);
    CProgressScope scope(progress, MsgPrinting, static_cast<int>(to.size()));
    for (std::size_t i = 0; i < to.size(); ++i) {
        const int onSheet = static_cast<int>(i % PerSheet);
        if (i > 0 && onSheet == 0)
            dc.EndPage();
        const int x = ColumnX(onSheet % Columns, dpi);
        // Labels are one inch high; the first row begins three lines down.
        int y = 3 * lh + (onSheet / Columns) * dpi;
        const CPostalAddress& a = to[i];
        for (const std::string& line : {a.NameLine(), a.Address, a.CityLine()}) {
            dc.TextOutFit(x, y, line, width);
            y += lh;
        }
        scope.Step();
    }
    return !to.empty();
}

bool CMailingLabels::Print(CMemberListDoc& list, QPrinter* printer, CProgress& progress) {
    const int count = static_cast<int>(list.Rows().size());
    if (notice::ask(Question(count), notice::Buttons::OkCancel, notice::Icon::Question) !=
        notice::Answer::Ok)
        return false;
    const std::vector<CPostalAddress> to = CPostalAddress::Listed(list);
    if (to.empty())
        return false;
    return PrintDeskJob(printer, Title, QPageLayout::Portrait, [&](CReportDC& dc, int dpi) {
        dc.SelectFont(Font(dpi));
        return Draw(dc, dpi, to, progress);
    });
}
