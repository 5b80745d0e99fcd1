#pragma once
// CListPrintout: a printed copy of a Members, Workouts, Evaluations or Body
// Compositions list: on each page the header "title, facility, date - Page
// n", the headings of the chosen columns and one line per record in the
// list's order (more when its columns do not fit one), in a fixed-pitch face
// of 8 points. CPrintOption is one check
// box of the Print Options dialog.

#include "util/efoledatetime.h"

#include <QFont>
#include <QPageLayout>

#include <functional>
#include <string>
#include <vector>

class CMemberListDoc;
class CProgress;
class CRecordList;
class CReportDC;
class QPrinter;

struct CPrintOption {
    std::string Label;
    long Bit = 0;
};

class CListPrintout {
public:
    static constexpr const char* MsgPrinting = "Printing, please wait...";
    static constexpr const char* MsgSelectOne = "Error: select at least one item";
    static constexpr int MemberRowsPerPage = 67;
    static constexpr int RecordRowsPerPage = 62;

    struct Column {
        std::string Heading;
        // Width in average character widths; 0: as wide as its widest cell
        // and, where the line has room, its heading.
        int Chars = 0;
    };

    std::string Title;
    std::string Facility;
    CEFOleDateTime Today;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    int RowsPerPage = MemberRowsPerPage;
    std::vector<Column> Columns;
    int Rows = 0;
    // Text of a cell; column indexes Columns.
    std::function<std::string(int row, int column)> Cell;

    // The columns of a Members list that mask (CMemberListDoc::column) shows.
    static CListPrintout Members(const CMemberListDoc& list, unsigned mask,
                                 const std::string& facility);
    // A workout, evaluation or body-composition list with its column mask.
    static CListPrintout Records(const CRecordList& list, const std::string& facility);

    // The check boxes of the Print Options dialog.
    static std::vector<CPrintOption> MemberOptions();
    // One box per mask bit of a list; a bit shared by several columns is
    // named after its first and last ("Trunk Flexion to Ergometer").
    static std::vector<CPrintOption> RecordOptions(const CRecordList& list);
    // False after MsgSelectOne when nothing is ticked.
    static bool CheckMask(long mask);

    // The fixed-pitch face of 8 points for a device of dpiY dots per inch.
    static QFont Font(int dpiY);
    // The page header: "%1, %2, %3 - Page %4".
    std::string Header(int page) const;
    // The width of each column in characters for a line of lineChars; their
    // sum exceeds the line when a record needs more than one line.
    std::vector<int> Widths(int lineChars) const;
    // Draws every page; returns the number of pages (0 without columns).
    int Draw(CReportDC& dc, CProgress& progress) const;
    // Prints the list; true when a job was printed.
    bool Print(QPrinter* printer, CProgress& progress) const;
};
