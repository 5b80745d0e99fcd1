#pragma once
// CMemberListDoc: the Members list over a result set of the member view:
// its rows with the shown columns and row images, its title, and the
// position of a row in the set for the list's operations.

#include <memory>
#include <string>
#include <vector>

class CDAOMem;
class CDAOMemCls;

class CMemberListDoc {
public:
    // Column mask bits, all shown by default.
    enum column : unsigned {
        colName = 1,
        colId = 2,
        colBarcode = 4,
        colStatus = 8,
        colExpiration = 16,
        colAll = 31
    };
    // Row images.
    enum image { imgCurrent = 0, imgPastOrExpired = 1 };

    struct Row {
        std::string name; // "last, first middle"
        long id = 0;
        long barcode = 0;
        std::string status;     // "Current" or "Past"
        std::string expiration; // short-year text
        std::string expirationLong;
        int image = imgCurrent;
        int position = 0;            // in the result set
        unsigned char classIndx = 0; // the row's class (a class search's list)
    };

    // Takes the result set of a search (open, with at least one row).
    CMemberListDoc(std::unique_ptr<CDAOMem> set, std::string title = "Members",
                   unsigned columns = colAll);
    ~CMemberListDoc();

    // The title of a search's list: "Member ID %i" when it found one
    // member, else "Member Search Results".
    static std::string SearchTitle(const CDAOMem& set, int rows);

    const std::string& Title() const { return title_; }
    unsigned Columns() const { return columns_; }
    // The columns shown and printed (column bits).
    void SetColumns(unsigned columns) { columns_ = columns; }
    const std::vector<Row>& Rows() const { return rows_; }
    // The set holds the members joined with their classes (a class search).
    bool ByClass() const;
    CDAOMem& Set() { return *set_; }
    CDAOMemCls* ClassSet();

    // Reads the rows from the set again, in set order.
    void Refill();
    // Requeries the set and refills; false after "No further member
    // records are available." when nothing is left.
    bool Requery();
    // Moves the set to the row's record; false when it is gone.
    bool MoveTo(int row);

    static constexpr const char* MsgNoFurther = "No further member records are available.";
    static constexpr const char* MsgSelectEdit =
        "To edit a member, you must first click on the member,\nthen click \"Edit.\"";
    static constexpr const char* MsgSelectDelete =
        "To delete a member, you must first click on the member,\nthen click \"Delete.\"";
    static constexpr const char* NoteUpdateClass =
        "Note: You can only use the \"Update Class\" function after you search by category, "
        "course, and section.";
    static constexpr const char* LegendCurrent = "Current and unexpired member";
    static constexpr const char* LegendPast = "Past or expired member";

private:
    std::unique_ptr<CDAOMem> set_;
    std::string title_;
    unsigned columns_;
    std::vector<Row> rows_;
};
