#pragma once
// CMailingLabels: mailing labels of the listed members on sheets of 30
// labels of 1" x 2 5/8", 10 rows of 3, filled left to right in the list's
// order: the name, the address and the city line of each member.

#include <QFont>

#include <string>
#include <vector>

class CMemberListDoc;
class CProgress;
class CReportDC;
class QPrinter;
struct CPostalAddress;

class CMailingLabels {
public:
    static constexpr int Rows = 10;
    static constexpr int Columns = 3;
    static constexpr int PerSheet = Rows * Columns;
    static constexpr const char* Title = "Mailing Labels";
    static constexpr const char* MsgPrinting = "Printing, please wait...";

    // Sheets for count labels, the last one perhaps partly used.
    static int Sheets(int count) { return count <= 0 ? 0 : (count + PerSheet - 1) / PerSheet; }
    // The question before printing, with the number of sheets.
    static std::string Question(int count);

    // A serif face of 0.16 inch for a device of dpi dots per inch.
    static QFont Font(int dpi);
    // Left edge of a label column (0..2) on a device of dpi dots per inch.
    static int ColumnX(int column, int dpi);
    // Draws the labels, a new page after every 30; false when there are none.
    static bool Draw(CReportDC& dc, int dpi, const std::vector<CPostalAddress>& to,
                     CProgress& progress);
    // Asks the question for the listed members and prints their labels;
    // true when a job was printed.
    static bool Print(CMemberListDoc& list, QPrinter* printer, CProgress& progress);
};
