#pragma once
// CRecordList: what the workout, evaluation and body-composition lists have
// in common without a window: a record set queried once and read into rows,
// the columns chosen by a column mask, the count and the hints of the list
// buttons. A row's position is its position in the set, so a button moves
// the set to the row and works on that record.

#include <string>
#include <unordered_map>
#include <vector>

class CDAOEFSet;

struct CListColumn {
    std::string Title;
    int Width = 50;
    long Bit = 0; // the column-mask bit that shows it
};

class CRecordList {
public:
    virtual ~CRecordList() = default;

    std::string Title;
    long ColumnMask = AllColumns;
    static constexpr long AllColumns = 0xFFFF;

    // Every column, in order, each with its mask bit.
    virtual std::vector<CListColumn> Columns() const = 0;
    // The columns the mask shows, as indexes into Columns().
    std::vector<int> Shown() const;

    // The member's records in one class, or in all (class index 101);
    // returns how many. The title is set from the patterns below.
    virtual int QueryMember(long memberId, unsigned char classIndx,
                            const std::string& classText) = 0;
    // "No workouts are recorded for Member ID %i under " and the class text.
    std::string NoneForMember(long memberId, const std::string& classText) const;

    // Runs the query again and reads the rows; returns how many.
    virtual int Refill() = 0;
    virtual int Count() const = 0;
    // Text of a cell; column indexes Columns().
    virtual std::string Cell(int row, int column) const = 0;
    // Row image: -1 none, else an index into the list's legend.
    virtual int Image(int /*row*/) const { return -1; }

    // The set, positioned on a row by Move.
    virtual CDAOEFSet& Set() = 0;
    bool Move(int row);

    virtual std::string CountLabel() const = 0;
    virtual std::string EditHint() const = 0;
    virtual std::string DeleteHint() const = 0;
    // Empty when the list has no Analyze button.
    virtual std::string AnalyzeHint() const { return std::string(); }
    virtual std::string NoFurtherRecords() const = 0;

protected:
    // "Workouts for Member ID %i, " and "No workouts are recorded for Member
    // ID %i under ", each followed by the class text.
    virtual const char* MemberTitlePattern() const = 0;
    virtual const char* NoneForMemberPattern() const = 0;
    void SetMemberTitle(long memberId, const std::string& classText);
    // "First Last" of a member the rows show, read when first asked for.
    std::string NameOf(long memberId) const;

private:
    mutable std::unordered_map<long, std::string> names_;
};
